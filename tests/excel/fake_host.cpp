// The fake host: Excel4/Excel4v exported from the test program, as the real host provides them to
// the add-in it loads.
#include "fake_host.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace fakexl {

namespace {

XLWORD baseTypeOf(const XLOPER& op) { return static_cast<XLWORD>(op.xltype & ~(xlbitXLFree | xlbitDLLFree)); }

std::string lowerCase(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

std::string countedText(const char* counted) {
    if (counted == nullptr) return {};
    return std::string(counted + 1, static_cast<unsigned char>(counted[0]));
}

FakeHost& FakeHost::instance() {
    static FakeHost host;
    return host;
}

void FakeHost::reset() {
    // Values the add-in never freed were reported by the test that leaked them; drop them here.
    for (const void* p : live_) delete[] static_cast<const char*>(p);
    live_.clear();
    version = HostValue::text("16.0");
    helpMenuExists = true;
    helpMenu = {"Microsoft Excel Help", "About Microsoft Excel"};
    windowLowBits = 0x2345;
    fileName = "/opt/host/addins/vapxl32.xll";
    workbookNames.clear();
    refuseProcedure.clear();
    nameUnavailable = false;
    evaluateFails = false;
    calls.clear();
    registerCalls.clear();
    registered.clear();
    definedNames.clear();
    addedCommands.clear();
    deletedPositions.clear();
    statusBar.clear();
    evaluated.clear();
    faults.clear();
}

std::size_t FakeHost::callsOf(int function) const {
    std::size_t n = 0;
    for (const Call& c : calls) n += c.function == function ? 1 : 0;
    return n;
}

void FakeHost::give(LPXLOPER result, const HostValue& v) {
    switch (v.type) {
        case xltypeNum: giveNumber(result, v.num); return;
        case xltypeBool: giveBool(result, v.boolean); return;
        case xltypeErr: giveError(result, v.err); return;
        case xltypeStr: {
            // Handed out like the host's own strings: the add-in must give it back with xlFree.
            char* const s = new char[v.str.size() + 1];
            s[0] = static_cast<char>(v.str.size());
            std::memcpy(s + 1, v.str.data(), v.str.size());
            live_.insert(s);
            result->xltype = xltypeStr;
            result->val.str = s;
            return;
        }
        default: result->xltype = xltypeNil; return;
    }
}

void FakeHost::giveNumber(LPXLOPER result, double x) {
    result->xltype = xltypeNum;
    result->val.num = x;
}

void FakeHost::giveBool(LPXLOPER result, bool b) {
    result->xltype = xltypeBool;
    result->val.xbool = b ? 1 : 0;
}

void FakeHost::giveError(LPXLOPER result, XLWORD e) {
    result->xltype = xltypeErr;
    result->val.err = e;
}

void FakeHost::release(XLOPER& op) {
    if (baseTypeOf(op) != xltypeStr) return;
    const auto it = live_.find(op.val.str);
    if (it != live_.end()) {
        delete[] op.val.str;
        live_.erase(it);
    } else {
        faults.push_back("xlFree of a string the host did not hand out (or freed twice)");
    }
}

std::string FakeHost::text(const XLOPER* op, const char* what) {
    if (op == nullptr || baseTypeOf(*op) != xltypeStr || op->val.str == nullptr) {
        faults.push_back(std::string("expected a string for ") + what);
        return {};
    }
    return countedText(op->val.str);
}

bool FakeHost::argumentsValid(int xlfn, int count, LPXLOPER* args) {
    if (count < 0 || count > xlMaxArguments) {
        faults.push_back("argument count " + std::to_string(count) + " for function " + std::to_string(xlfn));
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (args == nullptr || args[i] == nullptr) {
            faults.push_back("null argument " + std::to_string(i) + " for function " + std::to_string(xlfn));
            return false;
        }
        if (baseTypeOf(*args[i]) == xltypeStr && args[i]->val.str == nullptr) {
            faults.push_back("null string argument for function " + std::to_string(xlfn));
            return false;
        }
    }
    return true;
}

int FakeHost::dispatch(int xlfn, LPXLOPER result, int count, LPXLOPER* args) {
    if (!argumentsValid(xlfn, count, args)) return xlretInvXloper;
    Call call{xlfn, {}};
    for (int i = 0; i < count; ++i) call.argumentTypes.push_back(args[i]->xltype);
    calls.push_back(call);

    if (xlfn == xlFree) {
        for (int i = 0; i < count; ++i) release(*args[i]);
        return xlretSuccess;
    }
    if (result == nullptr) {
        faults.push_back("no result for function " + std::to_string(xlfn));
        return xlretFailed;
    }

    switch (xlfn) {
        case xlGetName: {
            if (nameUnavailable) return xlretFailed;
            give(result, HostValue::text(fileName));
            return xlretSuccess;
        }
        case xlGetHwnd:
            result->xltype = xltypeInt;
            result->val.w = windowLowBits;
            return xlretSuccess;
        case xlCoerce: {
            if (count != 2 || baseTypeOf(*args[1]) != xltypeInt) {
                faults.push_back("xlCoerce needs a value and a type");
                return xlretInvXloper;
            }
            const XLOPER& v = *args[0];
            double x = 0;
            bool ok = true;
            switch (baseTypeOf(v)) {
                case xltypeNum: x = v.val.num; break;
                case xltypeInt: x = v.val.w; break;
                case xltypeBool: x = v.val.xbool != 0 ? 1 : 0; break;
                case xltypeStr: {
                    const std::string s = countedText(v.val.str);
                    char* end = nullptr;
                    x = std::strtod(s.c_str(), &end);
                    ok = !s.empty() && end != nullptr && *end == '\0';
                    break;
                }
                default: ok = false;
            }
            if (!ok) {
                giveError(result, xlerrValue);
                return xlretSuccess;
            }
            if (args[1]->val.w == static_cast<short>(xltypeInt)) {
                result->xltype = xltypeInt;
                result->val.w = static_cast<short>(x);
            } else {
                giveNumber(result, x);
            }
            return xlretSuccess;
        }
        case xlfRegister: {
            if (count != 13) faults.push_back("xlfRegister with " + std::to_string(count) + " arguments");
            std::vector<std::string> texts;
            for (int i = 0; i < count; ++i) texts.push_back(text(args[i], "xlfRegister"));
            registerCalls.push_back(texts);
            if (texts.size() < 4 || texts[0] != fileName || texts[1] == refuseProcedure) {
                giveError(result, xlerrValue);
                return xlretSuccess;
            }
            const double id = nextId_++;
            registered[texts[1]] = id;
            definedNames.insert(lowerCase(texts[3]));
            giveNumber(result, id);
            return xlretSuccess;
        }
        case xlfRegisterId: {
            const std::string file = count > 0 ? text(args[0], "xlfRegisterId") : "";
            const std::string proc = count > 1 ? text(args[1], "xlfRegisterId") : "";
            const auto it = registered.find(proc);
            if (file != fileName || it == registered.end())
                giveError(result, xlerrValue);
            else
                giveNumber(result, it->second);
            return xlretSuccess;
        }
        case xlfUnregister: {
            bool found = false;
            if (count == 1 && baseTypeOf(*args[0]) == xltypeNum) {
                for (auto it = registered.begin(); it != registered.end(); ++it)
                    if (it->second == args[0]->val.num) {
                        registered.erase(it);
                        found = true;
                        break;
                    }
            } else {
                faults.push_back("xlfUnregister needs a register id");
            }
            giveBool(result, found);
            return xlretSuccess;
        }
        case xlfSetName: {
            const std::string name = count > 0 ? lowerCase(text(args[0], "xlfSetName")) : "";
            if (count == 1) {
                const bool erased = definedNames.erase(name) > 0;
                giveBool(result, erased);
            } else {
                faults.push_back("xlfSetName with a value");
                giveError(result, xlerrValue);
            }
            return xlretSuccess;
        }
        case xlfGetWorkspace: {
            if (count != 1 || baseTypeOf(*args[0]) != xltypeNum || args[0]->val.num != 2) {
                faults.push_back("xlfGetWorkspace asked for something other than the version");
                giveError(result, xlerrValue);
                return xlretSuccess;
            }
            if (!version) return xlretFailed;
            give(result, *version);
            return xlretSuccess;
        }
        case xlfGetBar: {
            if (count != 3 || baseTypeOf(*args[0]) != xltypeNum || args[0]->val.num != 10) {
                faults.push_back("xlfGetBar not on bar 10");
                giveError(result, xlerrValue);
                return xlretSuccess;
            }
            const std::string menu = text(args[1], "xlfGetBar menu");
            if (menu != "Help" || !helpMenuExists) {
                giveError(result, xlerrNA);
                return xlretSuccess;
            }
            if (baseTypeOf(*args[2]) == xltypeNum && args[2]->val.num == 0) {
                give(result, HostValue::text("Help"));
                return xlretSuccess;
            }
            const std::string item = text(args[2], "xlfGetBar item");
            for (std::size_t i = 0; i < helpMenu.size(); ++i)
                if (helpMenu[i] == item) {
                    giveNumber(result, static_cast<double>(i + 1));
                    return xlretSuccess;
                }
            giveError(result, xlerrNA);
            return xlretSuccess;
        }
        case xlfAddCommand: {
            if (count != 3 || baseTypeOf(*args[0]) != xltypeNum || args[0]->val.num != 10 ||
                text(args[1], "xlfAddCommand menu") != "Help" || baseTypeOf(*args[2]) != xltypeMulti) {
                faults.push_back("xlfAddCommand arguments");
                giveError(result, xlerrValue);
                return xlretSuccess;
            }
            const XLOPER& table = *args[2];
            std::vector<std::string> rows;
            for (XLWORD r = 0; r < table.val.array.rows; ++r) {
                std::string row;
                for (XLWORD c = 0; c < table.val.array.columns; ++c) {
                    if (c > 0) row += '|';
                    row += text(&table.val.array.lparray[r * table.val.array.columns + c], "menu table cell");
                }
                rows.push_back(row);
                helpMenu.push_back(text(&table.val.array.lparray[r * table.val.array.columns], "menu command"));
            }
            addedCommands.push_back(rows);
            giveNumber(result, static_cast<double>(helpMenu.size()));
            return xlretSuccess;
        }
        case xlfDeleteCommand: {
            if (count != 3 || baseTypeOf(*args[2]) != xltypeNum || text(args[1], "xlfDeleteCommand menu") != "Help") {
                faults.push_back("xlfDeleteCommand arguments");
                giveError(result, xlerrValue);
                return xlretSuccess;
            }
            const double position = args[2]->val.num;
            deletedPositions.push_back(position);
            if (position >= 1 && position <= static_cast<double>(helpMenu.size())) {
                helpMenu.erase(helpMenu.begin() + static_cast<long>(position) - 1);
                giveBool(result, true);
            } else {
                giveError(result, xlerrValue);
            }
            return xlretSuccess;
        }
        case xlfEvaluate: {
            std::string formula = count == 1 ? text(args[0], "xlfEvaluate") : "";
            evaluated.push_back(formula);
            if (evaluateFails) return xlretFailed;
            if (!formula.empty() && formula[0] == '=') formula.erase(0, 1);
            for (const auto& [name, value] : workbookNames)
                if (lowerCase(name) == lowerCase(formula)) {
                    give(result, value);
                    return xlretSuccess;
                }
            giveError(result, xlerrName);
            return xlretSuccess;
        }
        case xlcMessage: {
            if (count < 1 || baseTypeOf(*args[0]) != xltypeBool) {
                faults.push_back("xlcMessage without its switch");
                return xlretInvXloper;
            }
            if (args[0]->val.xbool != 0)
                statusBar.push_back(count > 1 ? text(args[1], "xlcMessage text") : "");
            else
                statusBar.push_back("");
            giveBool(result, true);
            return xlretSuccess;
        }
        default: faults.push_back("unknown function " + std::to_string(xlfn)); return xlretInvXlfn;
    }
}

}  // namespace fakexl

extern "C" {

int XLL_CALL Excel4v(int xlfn, LPXLOPER operRes, int count, LPXLOPER opers[]) {
    return fakexl::FakeHost::instance().dispatch(xlfn, operRes, count, opers);
}

int XLL_CDECL Excel4(int xlfn, LPXLOPER operRes, int count, ...) {
    if (count < 0 || count > xlMaxArguments) {
        fakexl::FakeHost::instance().faults.push_back("Excel4 argument count");
        return xlretInvCount;
    }
    LPXLOPER args[xlMaxArguments] = {};
    va_list list;
    va_start(list, count);
    for (int i = 0; i < count; ++i) args[i] = va_arg(list, LPXLOPER);
    va_end(list);
    return fakexl::FakeHost::instance().dispatch(xlfn, operRes, count, args);
}

}  // extern "C"
