// The test host's callbacks (see fake_xlcall32.h): the 32-bit XLCALL32.DLL, or the host part of the
// 64-bit test program.
#include "fake_xlcall32.h"

#include <windows.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "xl_oper.h"

namespace {

using xlfake::Oper;

struct Call {
    int function;
    int entry;
    std::vector<std::string> args;
};

struct Host {
    std::vector<Call> calls;
    std::string version = "16.0";
    int baseUnitsKind = 0;
    double baseUnitsNumber = 0;
    std::string baseUnitsText;
    std::set<xlfake::Char*> handedOut;  // counted strings the add-in must give back with xlFree
    int badFrees = 0;
    double nextId = 1000;
    bool menuAdded = false;  // the add-in's item is in the Help menu of bar 10
};

constexpr double kMenuPosition = 7;  // where the host reports the add-in's item

Host& host() {
    static Host h;
    return h;
}

#if defined(_WIN64)
const char kFileName[] = "Z:\\addins\\vapxl64.xll";
#else
const char kFileName[] = "Z:\\addins\\vapxl32.xll";
#endif

// The characters of a counted string (wide characters outside ASCII shown as '?').
std::string textOf(const xlfake::Char* s) {
    std::string t;
    const std::size_t n = xlfake::countedLength(s);
    for (std::size_t i = 1; i <= n; ++i) {
        const auto c = static_cast<std::make_unsigned_t<xlfake::Char>>(s[i]);
        t += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return t;
}

std::string render(const Oper* value) {
    if (value == nullptr) return "null";
    char text[64];
    switch (value->xltype & xlfake::kTypeMask) {
        case xlfake::kNum: std::snprintf(text, sizeof text, "n:%.17g", value->val.num); return text;
        case xlfake::kStr: return value->val.str == nullptr ? std::string("s-null") : "s:" + textOf(value->val.str);
        case xlfake::kBool: return value->val.xbool != 0 ? "b:1" : "b:0";
        case xlfake::kInt: std::snprintf(text, sizeof text, "i:%d", static_cast<int>(value->val.w)); return text;
        case xlfake::kErr: std::snprintf(text, sizeof text, "e:%u", static_cast<unsigned>(value->val.err)); return text;
        case xlfake::kMissing: return "m";
        case xlfake::kNil: return "z";
        case xlfake::kMulti: {
            std::snprintf(text,
                          sizeof text,
                          "a:%ux%u",
                          static_cast<unsigned>(value->val.array.rows),
                          static_cast<unsigned>(value->val.array.columns));
            std::string all = text;
            const int n = value->val.array.rows * value->val.array.columns;
            for (int i = 0; i < n && value->val.array.items != nullptr; ++i)
                all += "|" + render(&value->val.array.items[i]);
            return all;
        }
        default: std::snprintf(text, sizeof text, "t:%u", static_cast<unsigned>(value->xltype)); return text;
    }
}

void setString(Oper* result, const std::string& text) {
    xlfake::Char* s = new xlfake::Char[text.size() + 1];
    s[0] = static_cast<xlfake::Char>(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) s[i + 1] = static_cast<xlfake::Char>(text[i]);
    host().handedOut.insert(s);
    result->val.str = s;
    result->xltype = xlfake::kStr;
}
void setNum(Oper* result, double x) { result->val.num = x, result->xltype = xlfake::kNum; }
void setBool(Oper* result, bool b) { result->val.xbool = b ? 1 : 0, result->xltype = xlfake::kBool; }
void setErr(Oper* result, std::uint16_t e) { result->val.err = e, result->xltype = xlfake::kErr; }

// One caller at a time: the 64-bit add-in's functions may call back from several threads.
CRITICAL_SECTION& hostLock() {
    static CRITICAL_SECTION lock = [] {
        CRITICAL_SECTION l;
        InitializeCriticalSection(&l);
        return l;
    }();
    return lock;
}
struct Locked {
    Locked() { EnterCriticalSection(&hostLock()); }
    ~Locked() { LeaveCriticalSection(&hostLock()); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};

void freeValue(const Oper* value) {
    if (value == nullptr || (value->xltype & xlfake::kTypeMask) != xlfake::kStr) return;
    auto& out = host().handedOut;
    const auto it = out.find(value->val.str);
    if (it == out.end()) {
        ++host().badFrees;
        return;
    }
    delete[] * it;
    out.erase(it);
}

int answer(int function, Oper* result, int count, Oper** args) {
    Call call{function, 0, {}};
    for (int i = 0; i < count; ++i) call.args.push_back(render(args[i]));
    host().calls.push_back(call);
    Oper ignored;
    if (result == nullptr) result = &ignored;
    switch (function) {
        case xlfake::kFree:
            for (int i = 0; i < count; ++i) freeValue(args[i]);
            return 0;
        case xlfake::kGetHwnd: result->val.w = 0x4242, result->xltype = xlfake::kInt; return 0;
        case xlfake::kGetName: setString(result, kFileName); return 0;
        case xlfake::kRegister:
        case xlfake::kRegisterId: setNum(result, host().nextId++); return 0;
        case xlfake::kUnregister:
        case xlfake::kSetName:
        case xlfake::kMessage:
        case xlfake::kAddCommand:
            host().menuAdded = true;
            setBool(result, true);
            return 0;
        case xlfake::kDeleteCommand: setBool(result, true); return 0;
        case xlfake::kGetWorkspace: setString(result, host().version); return 0;
        case xlfake::kGetBar:
            // Hosts before version 12 have the Help menu of bar 10; the add-in's item is found once
            // it has been added.
            if (std::atof(host().version.c_str()) >= 12 || count < 3)
                setErr(result, xlfake::kErrNA);
            else if (call.args[2] == "s:Ventora")
                host().menuAdded ? setNum(result, kMenuPosition) : setErr(result, xlfake::kErrNA);
            else
                setNum(result, 10);
            return 0;
        case xlfake::kCoerce: {
            // Text or a number to the requested type: a number (xltypeNum) or an integer (xltypeInt,
            // rounded as the host does).
            double x = 0;
            bool ok = count >= 1;
            if (ok && (args[0]->xltype & xlfake::kTypeMask) == xlfake::kStr) {
                const std::string t = textOf(args[0]->val.str);
                char* end = nullptr;
                x = std::strtod(t.c_str(), &end);
                ok = !t.empty() && *end == '\0';
            } else if (ok && (args[0]->xltype & xlfake::kTypeMask) == xlfake::kNum) {
                x = args[0]->val.num;
            } else if (ok && (args[0]->xltype & xlfake::kTypeMask) == xlfake::kInt) {
                x = args[0]->val.w;
            } else {
                ok = false;
            }
            int wanted = xlfake::kNum;
            if (count >= 2 && (args[1]->xltype & xlfake::kTypeMask) == xlfake::kInt) wanted = args[1]->val.w;
            if (count >= 2 && (args[1]->xltype & xlfake::kTypeMask) == xlfake::kNum)
                wanted = static_cast<int>(args[1]->val.num);
            if (!ok)
                setErr(result, xlfake::kErrValue);
            else if (wanted == xlfake::kInt)
                result->val.w = static_cast<xlfake::Int>(std::lround(x)), result->xltype = xlfake::kInt;
            else
                setNum(result, x);
            return 0;
        }
        case xlfake::kEvaluate:
            if (host().baseUnitsKind == 1)
                setNum(result, host().baseUnitsNumber);
            else if (host().baseUnitsKind == 2)
                setString(result, host().baseUnitsText);
            else
                setErr(result, xlfake::kErrName);
            return 0;
        default: setErr(result, xlfake::kErrValue); return 2;  // xlretInvXlfn
    }
}

}  // namespace

extern "C" {

#if defined(_WIN64)
// The current API's callback, exported by the host program as the real host exports it: count and
// arguments before the result.
__declspec(dllexport) int MdCallBack12(int function, int count, Oper** args, Oper* result) {
    Locked locked;
    const int rc = answer(function, result, count, args);
    host().calls.back().entry = 12;
    return rc;
}
#else
int __cdecl Excel4(int function, Oper* result, int count, ...) {
    std::vector<Oper*> args;
    va_list list;
    va_start(list, count);
    for (int i = 0; i < count; ++i) args.push_back(va_arg(list, Oper*));
    va_end(list);
    const int rc = answer(function, result, count, args.data());
    host().calls.back().entry = 4;
    return rc;
}

int __stdcall Excel4v(int function, Oper* result, int count, Oper** args) {
    const int rc = answer(function, result, count, args);
    host().calls.back().entry = 'v';
    return rc;
}
#endif

void fakeXlReset(void) {
    for (xlfake::Char* s : host().handedOut) delete[] s;
    host() = Host{};
}
void fakeXlSetVersion(const char* version) { host().version = version; }
void fakeXlSetBaseUnits(int kind, double number, const char* text) {
    host().baseUnitsKind = kind;
    host().baseUnitsNumber = number;
    host().baseUnitsText = text != nullptr ? text : "";
}
const char* fakeXlFileName(void) { return kFileName; }
int fakeXlCallCount(void) { return static_cast<int>(host().calls.size()); }
int fakeXlCallFunction(int call) { return host().calls.at(call).function; }
int fakeXlCallEntry(int call) { return host().calls.at(call).entry; }
int fakeXlCallArgCount(int call) { return static_cast<int>(host().calls.at(call).args.size()); }
const char* fakeXlCallArg(int call, int arg) { return host().calls.at(call).args.at(arg).c_str(); }
int fakeXlOutstanding(void) { return static_cast<int>(host().handedOut.size()); }
int fakeXlBadFrees(void) { return host().badFrees; }
}
