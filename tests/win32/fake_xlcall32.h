// The test host's callbacks, answering the calls an add-in makes while it is opened, used and
// closed, and recording every call. The test program reads the record and sets the host up through
// the functions below.
//   32-bit: the callback library XLCALL32.DLL, Excel4 (cdecl, varargs) at ordinal 2 and Excel4v
//     (stdcall) at ordinal 3 as the add-in imports them; the functions below exported by name.
//   64-bit: compiled into the test program, which exports the current API's callback MdCallBack12
//     as the host program does (the add-in finds it in the process's main module).
#pragma once

#if defined(FAKE_XLCALL32_BUILD)
#define FAKE_XL_API
#else
#define FAKE_XL_API __declspec(dllimport)
#endif

extern "C" {

// Forgets the record and restores the defaults: version "16.0", no workbook name StmBaseUnits, no
// menu item. Hosts before version 12 have a Help menu on bar 10, where the add-in's item is found at
// position 7 once xlfAddCommand has added it.
FAKE_XL_API void fakeXlReset(void);
// The host version text that xlfGetWorkspace(2) answers.
FAKE_XL_API void fakeXlSetVersion(const char* version);
// What xlfEvaluate answers for the name StmBaseUnits: kind 0 the error #NAME? (name not defined),
// 1 the number `number`, 2 the text `text`.
FAKE_XL_API void fakeXlSetBaseUnits(int kind, double number, const char* text);
// The file name xlGetName answers.
FAKE_XL_API const char* fakeXlFileName(void);

// Calls recorded since the last reset, in order: function number, entry (4 for Excel4, 'v' for
// Excel4v, 12 for MdCallBack12), argument count, and argument j rendered as text:
//   n:<number %.17g>  s:<text>  b:<0|1>  i:<integer>  e:<error>  m (missing)  z (nil)
//   a:<rows>x<cols>|<item>|<item>...  (an array, its items row by row)
FAKE_XL_API int fakeXlCallCount(void);
FAKE_XL_API int fakeXlCallFunction(int call);
FAKE_XL_API int fakeXlCallEntry(int call);
FAKE_XL_API int fakeXlCallArgCount(int call);
FAKE_XL_API const char* fakeXlCallArg(int call, int arg);
// Values the host handed out that need xlFree and have not been freed yet; xlFree calls on
// something the host did not hand out.
FAKE_XL_API int fakeXlOutstanding(void);
FAKE_XL_API int fakeXlBadFrees(void);
}
