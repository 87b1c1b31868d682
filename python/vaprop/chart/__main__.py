"""python -m vaprop.chart {ts,hs} OUTPUT [--units SET] [--ifc67] [--size WxH] [--dpi N]

Writes a T-s or h-s (Mollier) chart to OUTPUT; the file type follows the name (.png, .svg, .pdf).
"""

import argparse
import sys


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python -m vaprop.chart", description="Write a steam chart.")
    parser.add_argument("kind", choices=("ts", "hs"), help="ts: temperature-entropy, hs: Mollier chart")
    parser.add_argument("output", help="file to write (.png, .svg, .pdf)")
    parser.add_argument("--units", default="SI", help="unit set: Eng, SI, EngG, SIF, SIK, MET, METF")
    parser.add_argument("--ifc67", action="store_true", help="the 1967 IFC formulation")
    parser.add_argument("--size", default="8x6", help="figure size in inches, WxH (default 8x6)")
    parser.add_argument("--dpi", type=int, default=100)
    args = parser.parse_args(argv)
    try:
        width, height = (float(v) for v in args.size.lower().split("x"))
    except ValueError:
        parser.error(f"--size {args.size!r}: expected WxH, e.g. 8x6")

    import matplotlib
    matplotlib.use("Agg")
    from matplotlib.figure import Figure

    from . import hs, ts

    figure = Figure(figsize=(width, height))
    ax = figure.add_subplot()
    try:
        (ts if args.kind == "ts" else hs)(units=args.units, ax=ax, ifc67=args.ifc67)
    except ValueError as exc:
        parser.error(str(exc))
    figure.tight_layout()
    figure.savefig(args.output, dpi=args.dpi)
    return 0


if __name__ == "__main__":
    sys.exit(main())
