#!/usr/bin/python3
"""The Calc add-in in a real LibreOffice: vaprop.oxt installed with unopkg into a throwaway profile,
a spreadsheet holding every worksheet function in every unit set (good and bad inputs, missing unit
sets, StmBaseUnits) recalculated by a headless soffice, and every cell compared with the library:
numbers bit for bit, read over UNO; failures as Calc's error values.

  calc_sheet_test.py --oxt vaprop.oxt --library libvaprop32.so --texts function_texts.json
                     --office /usr/lib/libreoffice --work <empty folder in the build tree>

Sessions (each its own soffice, killed at the end even on failure):
  main      the function wizard's texts; the sheet from a .fods file; StmBaseUnits variants; saved
            as .ods and loaded again
  required  the saved sheet with DefaultUnits=1 in the configuration: no unit set is an error
  missing   an extension without libvaprop32: every function #N/A, StmErrorText says why, Calc runs

Exit status 0 pass, 1 fail, 77 skipped (no LibreOffice, no python3-uno).
Run as root, it runs LibreOffice as the user nobody (unopkg refuses root for a user install); the
work folder is then handed to that user.
"""

import argparse
import ctypes
import json
import os
import shutil
import signal
import struct
import subprocess
import sys
import time
import traceback
import zipfile
from xml.sax.saxutils import escape, quoteattr

SKIP = 77
SERVICE = "ORG.VAPROP.CALC.STEAMFUNCTIONS."
ERR_NUM, ERR_VALUE, ERR_NA, ERR_PARAMETERS, ERR_DIV0 = 503, 519, 32767, 504, 532
START_TIMEOUT = 300  # seconds for soffice to accept a connection (the machine may be busy)


def log(*parts):
    print(*parts, flush=True)


# ---- Expected values from the library ------------------------------------------------------------

class Library:
    """vaprop32 called directly: the reference for every cell."""

    def __init__(self, path):
        self.lib = ctypes.CDLL(path)
        self.lib.StmVer.restype = ctypes.c_double
        self.lib.StmVer.argtypes = []

    def call(self, name, values, unit_set):
        f = getattr(self.lib, name)
        f.restype = ctypes.c_double
        f.argtypes = [ctypes.c_double] * len(values) + [ctypes.c_int32]
        return f(*values, unit_set)

    def version(self):
        return self.lib.StmVer()

    def prop(self, pair, a, b, name, unit_set):
        f = self.lib.StmProp
        f.restype = ctypes.c_double
        f.argtypes = [ctypes.c_char_p, ctypes.c_double, ctypes.c_double, ctypes.c_char_p, ctypes.c_int32]
        return f(pair.encode(), a, b, name.encode(), unit_set)


# ---- Unit-set rules (the documented syntax, independent of the add-in's parser) ------------------

NAMES = ["ENG", "SI", "ENGG", "SIF", "SIK", "MET", "METF"]


def parse_units(text):
    rest = text.lstrip(" ")
    for index in range(len(NAMES) - 1, -1, -1):
        name = NAMES[index]
        if rest[:len(name)].upper() == name:
            flags = rest[len(name):].upper()
            return index + (8 if "O" in flags else 0) + (16 if "S" in flags else 0)
    return None


def number_units(x):
    return int(x) if -1 < x < 128 else None  # int() truncates toward zero


# ---- The cases -----------------------------------------------------------------------------------

class Case:
    """One formula cell. `inputs` are the cells B, C, D of its row (number, text, None = empty);
    `expect(ctx, values)` gives ('value', x), ('error', n) or ('text', s) from the values Calc read
    for B and C and the context (units required, StmBaseUnits)."""

    def __init__(self, formula, inputs, expect, uses_default=False):
        self.formula, self.inputs, self.expect, self.uses_default = formula, inputs, expect, uses_default


class Context:
    def __init__(self, required=False, base=0):
        self.required, self.base = required, base


def lib_expect(lib, name, args, units):
    """args: 'B', 'C' (the row's cells) or numbers; units: a word, 'missing', or 'bad'."""
    def expect(ctx, row):
        values = [row[a] if isinstance(a, str) else a for a in args]
        if units == "bad":
            return ("error", ERR_NUM)
        if units == "missing":
            if ctx.required:
                return ("error", ERR_NUM)
            word = ctx.base
        else:
            word = units
        r = lib.call(name, values, word)
        return ("value", r) if r > -1000 else ("error", ERR_NUM)
    return expect


def prop_expect(lib, pair, name, args, units):
    """StmProp(pair; first; second; name; units): as lib_expect, through the library's StmProp."""
    def expect(ctx, row):
        a, b = [row[x] if isinstance(x, str) else x for x in args]
        if units == "missing" and ctx.required:
            return ("error", ERR_NUM)
        r = lib.prop(pair, a, b, name, ctx.base if units == "missing" else units)
        return ("value", r) if r > -1000 else ("error", ERR_NUM)
    return expect


def fixed(kind, x):
    return lambda ctx, row: (kind, x)


def default_text_expect(lib, name, args):
    """StmErrorText of a call without a unit set that succeeds in every default unit set."""
    inner = lib_expect(lib, name, args, "missing")

    def expect(ctx, row):
        if ctx.required:
            return ("text", "no unit set given, and the DefaultUnits setting asks for one in every call")
        kind, r = inner(ctx, row)
        return ("text", "") if kind == "value" else ("error", "call expected to succeed")
    return expect


def q(s):
    return '"' + s.replace('"', '""') + '"'


def call(name, *args):
    return "=" + SERVICE + name.upper() + "(" + ";".join(args) + ")"


ONE_VALUE = ["StmTP", "StmPT", "StmTempTI", "StmTempIT"]
GROUPS = {  # first input, second input, functions
    "PT": ["StmPTV", "StmPTH", "StmPTS", "StmPTC", "StmPTK", "StmPTM", "StmPTW", "StmPTG"],
    "PH": ["StmPHT", "StmPHQ", "StmPHV", "StmPHS", "StmPHC", "StmPHW", "StmPHG"],
    "PS": ["StmPST", "StmPSQ", "StmPSV", "StmPSH", "StmPSC", "StmPSW", "StmPSG"],
    "PQ": ["StmPQV", "StmPQH", "StmPQS", "StmPQC", "StmPQK", "StmPQM", "StmPQW", "StmPQG"],
    "TQ": ["StmTQV", "StmTQH", "StmTQS", "StmTQC", "StmTQK", "StmTQM", "StmTQW", "StmTQG"],
}
# Per unit set: pressure, temperature (superheated at that pressure) and a saturation temperature,
# in the set's own units.
STATES = {0: (200, 600, 300), 1: (15, 300, 150), 2: (185.3, 600, 300), 3: (1.5, 573.15, 423.15),
          4: (1500, 300, 150), 5: (15, 300, 150), 6: (15, 300, 150)}
PROPERTY_NAMES = ["P", "T", "Q", "H", "S", "V", "C", "W", "G", "K", "M", "R", "PR"]
SET_SPELLING = ["Eng", "SI", "EngG", "SIF", "SIK", "MET", "METF"]
FLAGS = [("", 0), ("o", 8), ("S", 16), ("oS", 24)]

def build_cases(lib):
    cases = []
    ref = lambda col, row: "[.%s%d]" % (col, row)

    def add(formula_of_row, inputs, expect, uses_default=False):
        row = len(cases) + 1
        cases.append(Case(formula_of_row(row), inputs, expect, uses_default))

    # Every function in every unit set, with each flag combination; inputs in cells B and C, the
    # unit set as text in D.
    for base, spelling in enumerate(SET_SPELLING):
        p, t, tq = STATES[base]
        h_sup, s_sup = lib.call("StmPTH", [p, t], base), lib.call("StmPTS", [p, t], base)
        h_wet, s_wet = lib.call("StmPQH", [p, 0.5], base), lib.call("StmPQS", [p, 0.5], base)
        for suffix, bits in FLAGS:
            word, units = base + bits, spelling + suffix
            three = lambda n: (lambda r: call(n, ref("B", r), ref("C", r), ref("D", r)))
            two = lambda n: (lambda r: call(n, ref("B", r), ref("D", r)))
            for name, x in zip(ONE_VALUE, [tq, p, t, t]):
                add(two(name), [x, None, units], lib_expect(lib, name, ["B"], word))
            points = {"PT": [(p, t)], "PH": [(p, h_sup), (p, h_wet)], "PS": [(p, s_sup), (p, s_wet)],
                      "PQ": [(p, 0.5), (p, 1.0)], "TQ": [(tq, 0.5), (tq, 1.0)]}
            for group, names in GROUPS.items():
                for a, b in points[group]:
                    for name in names:
                        add(three(name), [a, b, units], lib_expect(lib, name, ["B", "C"], word))
            # StmProp: every pair (and one the other way round) with every property name.
            for pair, a, b in [("PT", p, t), ("TP", t, p), ("PQ", p, 0.5), ("TQ", tq, 1.0), ("PH", p, h_sup),
                               ("PS", p, s_wet)]:
                for name in PROPERTY_NAMES:
                    add(lambda r, pair=pair, name=name: call("StmProp", q(pair), ref("B", r), ref("C", r), q(name),
                                                             ref("D", r)),
                        [a, b, units], prop_expect(lib, pair, name, ["B", "C"], word))

    # The version.
    add(lambda r: call("StmVer"), [], fixed("value", lib.version()))

    # Unit sets as numbers and as texts, in a cell and in the formula.
    for x in [0, 1, 3.9, 6, 8, 12, -0.5, 127.9, 40, -1, 128, 1e10, -65535]:
        word = number_units(x)
        units = word if word is not None else "bad"
        add(lambda r: call("StmPTH", "10", "300", ref("D", r)), [None, None, x],
            lib_expect(lib, "StmPTH", [10, 300], units))
        add(lambda r, x=x: call("StmTP", "100", repr(x)), [], lib_expect(lib, "StmTP", [100], units))
    spellings = ["SI", " si o", "EngGo", "METFS", "SIKOS", "S", "Engineering", "SIFO", "METo", "SIS", "eng", "ENGG",
                 "sif", "sik", "Met", "metf", "Eng O S", "METF-o/s", "", " ", "XYZ", "o", "SI\u00e9", "\u00e9SI"]
    for s in spellings:
        word = parse_units(s)
        units = word if word is not None else "bad"
        if s:  # a cell with an empty text may read as an empty cell (0)
            add(lambda r: call("StmPTH", "10", "300", ref("D", r)), [None, None, s],
                lib_expect(lib, "StmPTH", [10, 300], units))
        add(lambda r, s=s: call("StmPQH", "10", "0.5", q(s)), [], lib_expect(lib, "StmPQH", [10, 0.5], units))

    # Missing unit sets: the default (StmBaseUnits, or #NUM! when DefaultUnits asks for one).
    add(lambda r: call("StmPTH", ref("B", r), ref("C", r)), [10, 300],
        lib_expect(lib, "StmPTH", ["B", "C"], "missing"), uses_default=True)
    add(lambda r: call("StmPTH", ref("B", r), ref("C", r), ""), [10, 300],
        lib_expect(lib, "StmPTH", ["B", "C"], "missing"), uses_default=True)
    add(lambda r: call("StmPTV", "10", "300"), [], lib_expect(lib, "StmPTV", [10, 300], "missing"), uses_default=True)
    add(lambda r: call("StmTP", ref("B", r)), [100], lib_expect(lib, "StmTP", ["B"], "missing"), uses_default=True)
    add(lambda r: call("StmPHT", "10", "1000"), [], lib_expect(lib, "StmPHT", [10, 1000], "missing"),
        uses_default=True)
    add(lambda r: call("StmErrorText", q("StmPTH"), "10", "300"), [],
        default_text_expect(lib, "StmPTH", [10, 300]), uses_default=True)
    add(lambda r: call("StmProp", q("pt"), "10", "300", q("h")), [], prop_expect(lib, "PT", "H", [10, 300], "missing"),
        uses_default=True)

    # Values that are not numbers: text in a cell or in the formula, ranges, omitted.
    add(lambda r: call("StmPTH", ref("B", r), ref("C", r), q("SI")), ["200", 300, None], fixed("error", ERR_VALUE))
    add(lambda r: call("StmPTH", ref("B", r), ref("C", r), q("SI")), [200, "300", None], fixed("error", ERR_VALUE))
    add(lambda r: call("StmPTH", q("200"), "600", q("Eng")), [], fixed("error", ERR_VALUE))
    add(lambda r: call("StmTP", q("100"), q("SI")), [], fixed("error", ERR_VALUE))
    add(lambda r: call("StmPTH", "[.B%d:.C%d]" % (r, r), "600", q("Eng")), [200, 300], fixed("error", ERR_VALUE))
    add(lambda r: call("StmPTH", "200", "600", "[.C%d:.D%d]" % (r, r)), [None, "SI", "Eng"], fixed("error", ERR_NUM))
    add(lambda r: call("StmPTH", "200"), [], fixed("error", ERR_VALUE))
    add(lambda r: call("StmTP"), [], fixed("error", ERR_VALUE))
    add(lambda r: call("StmPTH", "", "600", q("Eng")), [], fixed("error", ERR_VALUE))
    # Calc hands empty cells and logical values over as numbers (0 and 1), as to its own functions.
    add(lambda r: call("StmPTH", ref("B", r), "600", q("Eng")), [None], lib_expect(lib, "StmPTH", [0, 600], 0))
    add(lambda r: call("StmTQH", "212", ref("C", r), q("Eng")), [None, None],
        lib_expect(lib, "StmTQH", [212, 0], 0))
    add(lambda r: call("StmPQH", "100", "TRUE()", q("Eng")), [], lib_expect(lib, "StmPQH", [100, 1], 0))
    add(lambda r: call("StmPTH", "200", "600", ref("D", r)), [None, None, None], lib_expect(lib, "StmPTH", [200, 600], 0))
    # Errors in arguments stay Calc's; too many arguments are refused by Calc.
    add(lambda r: call("StmPTH", "1/0", "600", q("Eng")), [], fixed("error", ERR_DIV0))
    add(lambda r: call("StmPTH", "1", "2", "3", "4"), [], fixed("error", ERR_PARAMETERS))
    # Library codes: out of range, no liquid conductivity in the wet region, a negative gauge pressure.
    add(lambda r: call("StmPTH", "20000", "600", q("Eng")), [], lib_expect(lib, "StmPTH", [20000, 600], 0))
    add(lambda r: call("StmPQK", "100", "0.5", q("Eng")), [], lib_expect(lib, "StmPQK", [100, 0.5], 0))
    add(lambda r: call("StmPT", "-5", q("EngG")), [], lib_expect(lib, "StmPT", [-5], 2))

    # StmProp's names must be texts; the library judges them.
    add(lambda r: call("StmProp", "1", "200", "600", q("H"), q("Eng")), [], fixed("error", ERR_VALUE))
    add(lambda r: call("StmProp", q("PT"), "200", "600", ref("D", r), q("Eng")), [None, None, None],
        fixed("error", ERR_VALUE))
    add(lambda r: call("StmProp", q("PT"), q("200"), "600", q("H"), q("Eng")), [], fixed("error", ERR_VALUE))
    add(lambda r: call("StmProp", q("QQ"), "200", "600", q("H"), q("Eng")), [],
        prop_expect(lib, "QQ", "H", [200, 600], 0))
    add(lambda r: call("StmProp", q("PT"), "200", "600", q("X"), q("Eng")), [],
        prop_expect(lib, "PT", "X", [200, 600], 0))
    add(lambda r: call("StmProp", q("PT"), "200", "600", q("H"), q("S")), [], fixed("error", ERR_NUM))

    # StmErrorText.
    for args, expected in [
        ([q("StmProp"), q("PT"), "200", "600", q("H"), q("Eng")], ""),
        ([q("StmProp"), q("QQ"), "200", "600", q("H"), q("Eng")], "unknown input pair (-3100)"),
        ([q("StmProp"), q("PT"), "200", "600", q("X"), q("Eng")], "unknown property name (-3200)"),
        ([q("StmProp"), q("PT"), q("x"), "600", q("H"), q("Eng")], "Input1 is not a number"),
        ([q("StmProp"), "1", "200", "600", q("H"), q("Eng")], "Pair is not a text"),
        ([q("StmPTH"), "200", "600", q("Eng")], ""),
        ([q("stmpth"), "200", "600", q("Eng")], ""),
        ([q("StmPQK"), "100", "0.5", q("Eng")], "internal error (-2000)"),
        ([q("StmPTH"), "0", "600", q("Eng")], "pressure too low (-1300)"),
        ([q("StmPTH"), "200", "600", "40"], "invalid unit set number (-1099)"),
        ([q("StmPTH"), q("x"), "600", q("Eng")], "Pressure is not a number"),
        ([q("StmTQH"), "212", q("half"), q("Eng")], "Quality is not a number"),
        ([q("StmPTH"), "200", "600", q("XYZ")],
         "unit set not recognised: Eng, SI, EngG, SIF, SIK, MET or METF, with 'o' and 'S' as needed, "
         "or a number from 0 to 127"),
        ([q("StmPT"), "100", q("SI"), "5"], "StmPT takes 2 arguments"),
        ([q("StmVer")], ""),
        ([q("StmFoo"), "1"], "not a function of this add-in: StmFoo"),
        ([q("StmErrorText")], "not a function of this add-in: StmErrorText"),
        (["12"], "the first argument must be the name of a steam function, in quotes"),
    ]:
        add(lambda r, args=args: call("StmErrorText", *args), [], fixed("text", expected))
    return cases


# ---- The spreadsheet file ------------------------------------------------------------------------

def write_fods(path, cases):
    rows = []
    for case in cases:
        cells = ['<table:table-cell table:formula=%s/>' % quoteattr("of:" + case.formula)]
        for x in case.inputs:
            if x is None:
                cells.append("<table:table-cell/>")
            elif isinstance(x, str):
                cells.append('<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>'
                             % escape(x))
            else:
                cells.append('<table:table-cell office:value-type="float" office:value="%r"/>' % float(x))
        rows.append("<table:table-row>%s</table:table-row>" % "".join(cells))
    # StmBaseUnits: a named cell (F1) holding the default unit set.
    rows[0] = rows[0].replace("</table:table-row>", "") + "".join(
        "<table:table-cell/>" for _ in range(4 - len(cases[0].inputs))) + \
        '<table:table-cell office:value-type="float" office:value="0"/></table:table-row>'
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
                'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
                'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
                'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.3" '
                'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">\n'
                '<office:body><office:spreadsheet>\n'
                '<table:named-expressions><table:named-range table:name="StmBaseUnits" '
                'table:base-cell-address="$Cases.$A$1" table:cell-range-address="$Cases.$F$1"/>'
                '</table:named-expressions>\n'
                '<table:table table:name="Cases">\n%s\n</table:table>\n'
                '</office:spreadsheet></office:body></office:document>\n' % "\n".join(rows))


# ---- LibreOffice ---------------------------------------------------------------------------------

class Office:
    """One headless soffice on a private profile, reached over a named pipe."""

    def __init__(self, office_dir, profile, env, name):
        self.soffice = os.path.join(office_dir, "program", "soffice")
        self.pipe = "vapropcalc_%s_%d" % (name, os.getpid())
        self.process = subprocess.Popen(
            [self.soffice, "--headless", "--invisible", "--norestore", "--nologo", "--nodefault", "--nolockcheck",
             "-env:UserInstallation=file://" + profile, "--accept=pipe,name=%s;urp;" % self.pipe],
            env=env, start_new_session=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.desktop = None

    def connect(self):
        import uno
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
        deadline = time.time() + START_TIMEOUT
        while True:
            try:
                self.ctx = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % self.pipe)
                break
            except Exception:
                if time.time() > deadline or self.process.poll() is not None:
                    raise RuntimeError("soffice did not accept a connection")
                time.sleep(0.1)
        self.smgr = self.ctx.ServiceManager
        self.desktop = self.smgr.createInstanceWithContext("com.sun.star.frame.Desktop", self.ctx)

    def load(self, url):
        from com.sun.star.beans import PropertyValue
        hidden = PropertyValue()
        hidden.Name, hidden.Value = "Hidden", True
        return self.desktop.loadComponentFromURL(url, "_blank", 0, (hidden,))

    def close(self):
        try:
            if self.desktop is not None:
                self.desktop.terminate()
        except Exception:
            pass
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            pass
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def run_tool(args, env, timeout=START_TIMEOUT):
    p = subprocess.run(args, env=env, timeout=timeout, start_new_session=True,
                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return p.returncode, p.stdout


def install(office_dir, profile, oxt, env):
    """A new profile started once (its first start drops registrations made before it), then unopkg."""
    soffice = os.path.join(office_dir, "program", "soffice")
    unopkg = os.path.join(office_dir, "program", "unopkg")
    rc, out = run_tool([soffice, "--headless", "--norestore", "--terminate_after_init",
                        "-env:UserInstallation=file://" + profile], env)
    if rc != 0:
        raise RuntimeError("soffice --terminate_after_init failed (%d): %s" % (rc, out))
    rc, out = run_tool([unopkg, "add", "-s", "-env:UserInstallation=file://" + profile, oxt], env)
    if rc != 0:
        raise RuntimeError("unopkg add failed (%d): %s" % (rc, out))
    rc, out = run_tool([unopkg, "list", "-env:UserInstallation=file://" + profile], env)
    if "org.vaprop.calc" not in out or "is registered: no" in out:
        raise RuntimeError("extension not registered after unopkg add:\n" + out)


# ---- Reading and comparing -----------------------------------------------------------------------

class Checker:
    def __init__(self):
        self.failures, self.compared = [], 0

    def fail(self, what):
        self.failures.append(what)
        if len(self.failures) <= 40:
            log("FAIL", what)

    def check_texts(self, office, texts):
        fd = office.smgr.createInstanceWithContext("com.sun.star.sheet.FunctionDescriptions", office.ctx)
        seen = {}
        for i in range(fd.getCount()):
            props = {p.Name: p.Value for p in fd.getByIndex(i)}
            seen[props["Name"].upper()] = props
        for f in texts:
            props = seen.get(f["name"].upper())
            self.compared += 1
            if props is None:
                self.fail("function wizard: %s missing" % f["name"])
                continue
            got_args = [(a.Name, a.Description) for a in (props["Arguments"] or ())]
            want_args = [(a["name"], a["description"]) for a in f["arguments"]]
            if props["Description"] != f["description"] or got_args != want_args:
                self.fail("function wizard: %s shows %r %r" % (f["name"], props["Description"], got_args))
            if props["Category"] != 11:  # Calc's Add-In group, where categories it lacks ("Engineering") go
                self.fail("function wizard: %s in category %r" % (f["name"], props["Category"]))

    def read(self, sheet, count, rows=None):
        """Column A (number, text, or None for an error), its errors, and the inputs B and C: all rows
        in one call, or the given rows cell by cell."""
        if rows is None:
            data = sheet.getCellRangeByName("A1:C%d" % count).getDataArray()
        else:
            data = {r: sheet.getCellRangeByName("A%d:C%d" % (r + 1, r + 1)).getDataArray()[0] for r in rows}
        errors = {}
        for r in (range(count) if rows is None else rows):
            if data[r][0] is None:
                errors[r] = sheet.getCellByPosition(0, r).getError()
        return data, errors

    def compare(self, label, sheet, cases, ctx, only=None):
        rows = None if only is None else [r for r, case in enumerate(cases) if only(case)]
        data, errors = self.read(sheet, len(cases), rows)
        for r, case in enumerate(cases):
            if rows is not None and r not in rows:
                continue
            row = {"B": data[r][1], "C": data[r][2]}
            kind, want = case.expect(ctx, row)
            got = data[r][0]
            self.compared += 1
            where = "%s row %d %s" % (label, r + 1, case.formula[len(SERVICE) + 1:] if SERVICE in case.formula
                                      else case.formula)
            if kind == "error":
                if errors.get(r) != want:
                    self.fail("%s: want error %d, got %r (error %r)" % (where, want, got, errors.get(r)))
            elif kind == "text":
                if got != want:
                    self.fail("%s: want text %r, got %r (error %r)" % (where, want, got, errors.get(r)))
            elif not isinstance(got, float) or struct.pack("<d", got) != struct.pack("<d", want):
                self.fail("%s: want %s, got %r (error %r)" % (where, float.hex(want), got, errors.get(r)))


def set_base_units(doc, content):
    from com.sun.star.table import CellAddress
    names = doc.NamedRanges
    if names.hasByName("StmBaseUnits"):
        names.removeByName("StmBaseUnits")
    if content is not None:
        origin = CellAddress()
        origin.Sheet, origin.Column, origin.Row = 0, 0, 0
        names.addNewByName("StmBaseUnits", content, origin, 0)


# ---- Sessions ------------------------------------------------------------------------------------

def session_main(args, env, cases, texts, checker, timings):
    profile = os.path.join(args.work, "profile")
    t = time.time()
    install(args.office, profile, args.oxt, env)
    timings["install"] = time.time() - t
    fods = os.path.join(args.work, "steam_functions.fods")
    write_fods(fods, cases)
    office = Office(args.office, profile, env, "main")
    try:
        t = time.time()
        office.connect()
        timings["main start"] = time.time() - t
        checker.check_texts(office, texts)

        t = time.time()
        doc = office.load("file://" + fods)
        doc.calculateAll()
        timings["load and recalculate %d cells" % len(cases)] = time.time() - t
        sheet = doc.Sheets.getByIndex(0)
        t = time.time()
        checker.compare("fods", sheet, cases, Context(base=0))
        timings["read and compare"] = time.time() - t

        # StmBaseUnits: the named cell F1 and other forms of the name.
        sheet.getCellRangeByName("F1").setValue(1)
        sheet.getCellRangeByName("F2").setValue(4.7)
        sheet.getCellRangeByName("F3").setString("SI")
        sheet.getCellRangeByName("F4").setFormula("=2+3")
        t = time.time()
        for content, base in [("$Cases.$F$1", 1), ("$Cases.$F$2", 4), ("$Cases.$F$3", 0), ("$Cases.$F$4", 5),
                              ("$Cases.$F$1:$F$2", 0), ("$Cases.$G$1", 0), ("6", 6), ("12", 12), ('"SI"', 0),
                              ("200", 0), ("3.9", 3), (None, 0)]:
            set_base_units(doc, content)
            doc.calculateAll()
            checker.compare("StmBaseUnits=%s" % content, sheet, cases, Context(base=base),
                            only=lambda c: c.uses_default)
        timings["StmBaseUnits, 12 forms"] = time.time() - t

        # Saved and loaded again: the formulas come back as the add-in's functions.
        formulas = sheet.getCellRangeByName("A1:A%d" % len(cases)).getFormulaArray()
        saved = "file://" + os.path.join(args.work, "steam_functions.ods")
        doc.storeToURL(saved, ())
        doc.close(True)
        t = time.time()
        doc = office.load(saved)
        doc.calculateAll()
        sheet = doc.Sheets.getByIndex(0)
        if sheet.getCellRangeByName("A1:A%d" % len(cases)).getFormulaArray() != formulas:
            checker.fail("formulas differ after saving and loading the .ods")
        checker.compare("ods", sheet, cases, Context(base=0))
        timings["save, load, recalculate, compare"] = time.time() - t
        doc.close(True)
    finally:
        office.close()


def uninstall(office_dir, profile, env, checker):
    unopkg = os.path.join(office_dir, "program", "unopkg")
    rc, out = run_tool([unopkg, "remove", "-env:UserInstallation=file://" + profile, "org.vaprop.calc"], env)
    checker.compared += 1
    if rc != 0:
        checker.fail("unopkg remove failed (%d): %s" % (rc, out))
    rc, out = run_tool([unopkg, "list", "-env:UserInstallation=file://" + profile], env)
    if "org.vaprop.calc" in out:
        checker.fail("extension still listed after unopkg remove:\n" + out)


def session_required(args, env, cases, checker, timings):
    config = os.path.join(args.work, "config-required", "Orlesk", "Ventora", "3.00.000")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "Excel.conf"), "w") as f:
        f.write("DefaultUnits=dword:00000001\n")
    env = dict(env, XDG_CONFIG_HOME=os.path.join(args.work, "config-required"))
    office = Office(args.office, os.path.join(args.work, "profile"), env, "required")
    try:
        t = time.time()
        office.connect()
        doc = office.load("file://" + os.path.join(args.work, "steam_functions.ods"))
        doc.calculateAll()
        checker.compare("DefaultUnits=1", doc.Sheets.getByIndex(0), cases, Context(required=True))
        doc.close(True)
        timings["DefaultUnits session"] = time.time() - t
    finally:
        office.close()


def session_missing(args, env, checker, timings):
    """The extension without libvaprop32: functions #N/A, StmErrorText names the loader's error."""
    broken = os.path.join(args.work, "vaprop-without-library.oxt")
    with zipfile.ZipFile(args.oxt) as src, zipfile.ZipFile(broken, "w", zipfile.ZIP_DEFLATED) as dst:
        for item in src.infolist():
            if not item.filename.startswith("libvaprop32"):
                dst.writestr(item, src.read(item.filename))
    profile = os.path.join(args.work, "profile-missing")
    t = time.time()
    install(args.office, profile, broken, env)
    office = Office(args.office, profile, env, "missing")
    try:
        office.connect()
        doc = office.load("private:factory/scalc")
        sheet = doc.Sheets.getByIndex(0)
        formulas = [call("StmPTH", "200", "600", q("Eng")), call("StmVer"), call("StmTP", q("x")),
                    call("StmErrorText", q("StmPTH"), "200", "600"), "=1+1"]
        for r, f in enumerate(formulas):
            sheet.getCellByPosition(0, r).setFormula(f)
        doc.calculateAll()
        for r in range(3):
            checker.compared += 1
            if sheet.getCellByPosition(0, r).getError() != ERR_NA:
                checker.fail("missing library: %s gives error %d" % (formulas[r], sheet.getCellByPosition(0, r).getError()))
        text = sheet.getCellByPosition(0, 3).getString()
        checker.compared += 2
        if not text.startswith("property library not available: ") or "libvaprop32" not in text:
            checker.fail("missing library: StmErrorText gives %r" % text)
        if sheet.getCellByPosition(0, 4).getValue() != 2:
            checker.fail("missing library: Calc does not compute any more")
        doc.close(True)
        timings["missing-library session"] = time.time() - t
    finally:
        office.close()


def child(args):
    lib = Library(args.library)
    with open(args.texts) as f:
        texts = json.load(f)
    cases = build_cases(lib)
    # Every folder LibreOffice writes to is the test's own (the caller's TMPDIR may belong to another user).
    env = dict(os.environ, HOME=os.path.join(args.work, "home"), XDG_CACHE_HOME=os.path.join(args.work, "cache"),
               XDG_CONFIG_HOME=os.path.join(args.work, "config"), TMPDIR=os.path.join(args.work, "tmp"))
    for d in ("home", "cache", "config", "tmp"):
        os.makedirs(os.path.join(args.work, d), exist_ok=True)
    checker, timings = Checker(), {}
    started = time.time()
    session_main(args, env, cases, texts, checker, timings)
    session_required(args, env, cases, checker, timings)
    t = time.time()
    uninstall(args.office, os.path.join(args.work, "profile"), env, checker)
    timings["unopkg remove"] = time.time() - t
    session_missing(args, env, checker, timings)
    timings["total"] = time.time() - started
    for k, v in timings.items():
        log("time %-40s %6.2f s" % (k, v))
    log("%d formula cells in the sheet, %d comparisons, %d failures" % (len(cases), checker.compared,
                                                                        len(checker.failures)))
    return 1 if checker.failures else 0


# ---- The parent: skip checks, the unprivileged user, cleanup -------------------------------------

def our_processes(work):
    """Processes whose command line names the work folder (soffice, oosplash, unopkg of this test)."""
    found = []
    for pid in os.listdir("/proc"):
        if not pid.isdigit() or int(pid) == os.getpid():
            continue
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                cmdline = f.read().replace(b"\0", b" ").decode(errors="replace")
        except OSError:
            continue
        if work in cmdline and "calc_sheet_test.py" not in cmdline:
            found.append((int(pid), cmdline))
    return found


def parent(args):
    soffice = os.path.join(args.office, "program", "soffice")
    unopkg = os.path.join(args.office, "program", "unopkg")
    if not (os.access(soffice, os.X_OK) and os.access(unopkg, os.X_OK)):
        log("skipped: no LibreOffice at %s (Debian: libreoffice-calc-nogui)" % args.office)
        return SKIP
    try:
        import uno  # noqa: F401
    except ImportError:
        log("skipped: python3-uno is not installed")
        return SKIP
    for path in (args.oxt, args.library, args.texts):
        if not os.path.exists(path):
            log("FAIL: %s does not exist" % path)
            return 1

    args.work = os.path.abspath(args.work)
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    for name in ("oxt", "library", "texts"):
        setattr(args, name, os.path.abspath(getattr(args, name)))
    command = [sys.executable, os.path.abspath(__file__), "--child", "--oxt", args.oxt, "--library", args.library,
               "--texts", args.texts, "--office", args.office, "--work", args.work]
    if os.geteuid() == 0:
        # unopkg refuses root for a user installation: LibreOffice runs as nobody, on folders it owns.
        for root, dirs, files in os.walk(args.work):
            for name in [root] + [os.path.join(root, n) for n in dirs + files]:
                os.chown(name, 65534, 65534)
        command = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] + command
    rc = 1
    try:
        rc = subprocess.run(command, timeout=3 * START_TIMEOUT + 600).returncode
    except subprocess.TimeoutExpired:
        log("FAIL: the test did not finish in time")
    finally:
        left = our_processes(args.work)
        for pid, cmdline in left:
            log("FAIL: process left running, killed: %d %s" % (pid, cmdline))
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        if left:
            rc = 1
    return rc


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--oxt", required=True)
    ap.add_argument("--library", required=True)
    ap.add_argument("--texts", required=True)
    ap.add_argument("--office", required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--child", action="store_true")
    args = ap.parse_args()
    if args.child:
        try:
            return child(args)
        except Exception:
            log("FAIL:", traceback.format_exc())
            return 1
    return parent(args)


if __name__ == "__main__":
    sys.exit(main())
