// Opening vaprop32 from a folder and binding the worksheet functions to its exports.
#include "property_library.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

namespace vapropcalc {

namespace {

std::string lastLoaderError() {
    const char* e = dlerror();
    return e != nullptr ? std::string(e) : std::string("unknown loader error");
}

// Reads `size` bytes at `offset`; false when the file ends before.
bool readAt(int fd, void* to, std::size_t size, off_t offset) {
    return pread(fd, to, size, offset) == static_cast<ssize_t>(size);
}

// The loader maps a library's segments without checking them against the file's length, and a
// truncated file (a copy broken off) then kills the whole process with SIGBUS. Refused here first:
// a file that is not an ELF library of this process's class, or whose header, program headers or
// segments reach past its end. Empty when the file may be handed to dlopen.
std::string unloadableReason(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return path + ": " + std::strerror(errno);
    struct stat st {};
    std::string reason;
    ElfW(Ehdr) header{};
    if (fstat(fd, &st) != 0 || !readAt(fd, &header, sizeof header, 0)) {
        reason = "too short to be a library";
    } else if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
               header.e_ident[EI_CLASS] != (sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32) ||
               header.e_phentsize != sizeof(ElfW(Phdr))) {
        reason = "not a library for this processor";
    } else {
        const auto size = static_cast<std::uint64_t>(st.st_size);
        const std::uint64_t tableEnd = header.e_phoff + std::uint64_t{header.e_phnum} * sizeof(ElfW(Phdr));
        std::vector<ElfW(Phdr)> segments(header.e_phnum);
        if (tableEnd > size ||
            !readAt(fd, segments.data(), segments.size() * sizeof(ElfW(Phdr)), static_cast<off_t>(header.e_phoff))) {
            reason = "truncated";
        } else {
            for (const ElfW(Phdr) & segment : segments)
                if (segment.p_offset > size || segment.p_filesz > size - segment.p_offset) reason = "truncated";
        }
    }
    close(fd);
    return reason.empty() ? reason : path + ": " + reason;
}

// dlopen of a file that passed the check above; the failure text otherwise.
void* openLibrary(const std::string& path, std::string& failure) {
    failure = unloadableReason(path);
    if (!failure.empty()) return nullptr;
    void* const handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) failure = lastLoaderError();
    return handle;
}

}  // namespace

const char* vaprop32FileName() noexcept { return VAPROPCALC_VAPROP32_FILE; }
const char* vaprop67FileName() noexcept { return VAPROPCALC_VAPROP67_FILE; }

PropertyLibrary PropertyLibrary::load(const std::string& folder) {
    PropertyLibrary library;
    // The handles stay open for the life of the process: the exports are used until Calc ends.
    if (!std::string_view(vaprop67FileName()).empty() &&
        openLibrary(folder + "/" + vaprop67FileName(), library.failure_) == nullptr)
        return library;
    void* const handle = openLibrary(folder + "/" + vaprop32FileName(), library.failure_);
    if (handle == nullptr) return library;
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
