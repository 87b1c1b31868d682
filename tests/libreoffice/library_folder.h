// A folder holding copies of the built libraries under their SONAME names, laid out as in the
// installed extension; removed again by the destructor.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace vapropcalc {

class LibraryFolder {
  public:
    LibraryFolder(bool withVaprop32, bool withVaprop67) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vapropcalc-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        path_ = pattern;
        if (withVaprop32) std::filesystem::copy_file(VAPROP32_FILE, path_ / VAPROP32_SONAME);
        if (withVaprop67 && std::string(VAPROP67_FILE).size() > 0)
            std::filesystem::copy_file(VAPROP67_FILE, path_ / VAPROP67_SONAME);
    }
    ~LibraryFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    LibraryFolder(const LibraryFolder&) = delete;
    LibraryFolder& operator=(const LibraryFolder&) = delete;

    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace vapropcalc
