// Opening vaprop32 from a folder and binding the worksheet functions to its exports.
#include "property_library.h"

#include <dlfcn.h>

#include <string_view>

namespace vapropcalc {

namespace {

std::string lastLoaderError() {
  const char* e = dlerror();
  return e != nullptr ? std::string(e) : std::string("unknown loader error");
}

}  // namespace

const char* vaprop32FileName() noexcept { return VAPROPCALC_VAPROP32_FILE; }
const char* vaprop67FileName() noexcept { return VAPROPCALC_VAPROP67_FILE; }

PropertyLibrary PropertyLibrary::load(const std::string& folder) {
  PropertyLibrary library;
  // The handles stay open for the life of the process: the exports are used until Calc ends.
  if (std::string_view(vaprop67FileName()).empty() == false) {
    const std::string ifc67 = folder + "/" + vaprop67FileName();
    if (dlopen(ifc67.c_str(), RTLD_NOW | RTLD_LOCAL) == nullptr) {
      library.failure_ = lastLoaderError();
      return library;
    }
  }
  const std::string path = folder + "/" + vaprop32FileName();
  void* const handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    library.failure_ = lastLoaderError();
    return library;
  }
  for (std::size_t i = 0; i < kFunctions.size(); ++i) {
    if (kFunctions[i].kind == FunctionKind::errorText) continue;  // answered by the add-in itself
    const std::string name(kFunctions[i].name);
    library.entries_[i] = dlsym(handle, name.c_str());
  }
  return library;
}

PropertyLibrary PropertyLibrary::fromEntries(const Entries& entries) {
  PropertyLibrary library;
  library.entries_ = entries;
  return library;
}

}  // namespace vapropcalc
