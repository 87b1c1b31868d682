// vapropcalc_idl: writes the generated sources of the Calc add-in.
//   vapropcalc_idl <interface.idl> <methods.inc> <texts.json>
#include <fstream>
#include <iostream>

#include "idl_writer.h"

namespace {

bool writeFile(const char* path, void (*write)(std::ostream&)) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        std::cerr << "vapropcalc_idl: cannot open " << path << " for writing\n";
        return false;
    }
    write(out);
    out.close();
    if (!out) {
        std::cerr << "vapropcalc_idl: writing " << path << " failed\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: vapropcalc_idl <interface.idl> <methods.inc> <texts.json>\n";
        return 2;
    }
    if (!vapropcalc::namesAreIdentifiers()) {
        std::cerr << "vapropcalc_idl: a function or argument name is not an IDL identifier\n";
        return 1;
    }
    const bool ok = writeFile(argv[1], vapropcalc::writeIdl) && writeFile(argv[2], vapropcalc::writeMethods) &&
                    writeFile(argv[3], vapropcalc::writeTexts);
    return ok ? 0 : 1;
}
