// OPER values as the host hands them to worksheet functions, built for the tests. Strings are kept
// alive by the Oper object itself.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "xlcall.h"

namespace fakexl {

class Oper {
  public:
    static Oper number(double x) {
        Oper o;
        o.op_.xltype = xltypeNum;
        o.op_.val.num = x;
        return o;
    }
    static Oper text(const std::string& s) {
        Oper o;
        o.chars_ = std::make_shared<std::vector<char>>(s.size() + 1);
        (*o.chars_)[0] = static_cast<char>(static_cast<unsigned char>(s.size()));
        for (std::size_t i = 0; i < s.size(); ++i) (*o.chars_)[i + 1] = s[i];
        o.op_.xltype = xltypeStr;
        o.op_.val.str = o.chars_->data();
        return o;
    }
    static Oper nullText() {
        Oper o;
        o.op_.xltype = xltypeStr;
        o.op_.val.str = nullptr;
        return o;
    }
    static Oper boolean(bool b) {
        Oper o;
        o.op_.xltype = xltypeBool;
        o.op_.val.xbool = b ? 1 : 0;
        return o;
    }
    static Oper error(XLWORD e) {
        Oper o;
        o.op_.xltype = xltypeErr;
        o.op_.val.err = e;
        return o;
    }
    static Oper integer(short w) {
        Oper o;
        o.op_.xltype = xltypeInt;
        o.op_.val.w = w;
        return o;
    }
    static Oper missing() {
        Oper o;
        o.op_.xltype = xltypeMissing;
        return o;
    }
    static Oper nil() {
        Oper o;
        o.op_.xltype = xltypeNil;
        return o;
    }
    static Oper array(double first, double second) {
        Oper o;
        o.cells_ = std::make_shared<std::vector<XLOPER>>(2);
        (*o.cells_)[0].xltype = xltypeNum;
        (*o.cells_)[0].val.num = first;
        (*o.cells_)[1].xltype = xltypeNum;
        (*o.cells_)[1].val.num = second;
        o.op_.xltype = xltypeMulti;
        o.op_.val.array.lparray = o.cells_->data();
        o.op_.val.array.rows = 1;
        o.op_.val.array.columns = 2;
        return o;
    }
    static Oper cellReference() {
        Oper o;
        o.op_.xltype = xltypeSRef;
        o.op_.val.sref.count = 1;
        o.op_.val.sref.ref = XLREF{0, 0, 0, 0};
        return o;
    }

    LPXLOPER get() { return &op_; }

  private:
    Oper() : op_{} {}
    XLOPER op_;
    std::shared_ptr<std::vector<char>> chars_;
    std::shared_ptr<std::vector<XLOPER>> cells_;
};

}  // namespace fakexl
