// POSIX bodies of the platform layer: a settings file in place of the registry key, no window
// system (no main window is found, help is not shown), time() and nanosleep() for the banner.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform.h"

namespace vapxl {

namespace {

long long posixSeconds(void*) { return static_cast<long long>(std::time(nullptr)); }

void posixSleep(void*, unsigned milliseconds) {
    timespec pause{};
    pause.tv_sec = static_cast<time_t>(milliseconds / 1000);
    pause.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    while (nanosleep(&pause, &pause) != 0) {}
}

void posixWindows(void*, VapxlWindowVisitor, void*) {}

void posixHelp(void*, std::uintptr_t, const char*, unsigned) {}

// The settings file standing for the configuration key; false when its path does not fit.
bool configPath(char* path, std::size_t size) noexcept {
    static constexpr const char* kKeyPath = "/Orlesk/Ventora/3.00.000/Excel.conf";
    const char* base = std::getenv("XDG_CONFIG_HOME");
    int written = 0;
    if (base != nullptr && base[0] != '\0') {
        written = std::snprintf(path, size, "%s%s", base, kKeyPath);
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') return false;
        written = std::snprintf(path, size, "%s/.config%s", home, kKeyPath);
    }
    return written > 0 && static_cast<std::size_t>(written) < size;
}

int hexDigit(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool startsWith(const char* s, const char* prefix) noexcept {
    return std::strncmp(s, prefix, std::strlen(prefix)) == 0;
}

// "dword:" followed by one to eight hex digits.
ConfigValue parseDword(const char* digits) noexcept {
    ConfigValue v;
    v.kind = ConfigKind::other;
    std::uint32_t number = 0;
    std::size_t n = 0;
    for (; digits[n] != '\0'; ++n) {
        const int d = hexDigit(digits[n]);
        if (d < 0 || n == 8) return v;
        number = (number << 4) | static_cast<std::uint32_t>(d);
    }
    if (n == 0) return v;
    v.kind = ConfigKind::dword;
    v.size = 4;
    for (int i = 0; i < 4; ++i) v.bytes[i] = static_cast<std::uint8_t>(number >> (8 * i));
    return v;
}

// Comma-separated two-digit hex bytes; the kind is given by the prefix.
ConfigValue parseBytes(const char* list, ConfigKind kind) noexcept {
    ConfigValue v;
    v.kind = kind;
    const char* p = list;
    while (*p != '\0') {
        const int hi = hexDigit(p[0]);
        const int lo = hi < 0 ? -1 : hexDigit(p[1]);
        if (lo < 0) {
            v.kind = ConfigKind::other;  // malformed: kept as a value of another kind
            return v;
        }
        if (v.size < 4) v.bytes[v.size] = static_cast<std::uint8_t>((hi << 4) | lo);
        ++v.size;
        p += 2;
        if (*p == ',') ++p;
    }
    return v;
}

ConfigValue parseValue(const char* text) noexcept {
    if (startsWith(text, "dword:")) return parseDword(text + 6);
    if (startsWith(text, "hex(4):")) return parseBytes(text + 7, ConfigKind::dword);
    if (startsWith(text, "hex:")) return parseBytes(text + 4, ConfigKind::other);
    ConfigValue v;
    v.kind = ConfigKind::other;
    v.size = static_cast<std::uint32_t>(std::strlen(text));
    return v;
}

// Value names compare without regard to case, as in the registry; a name may be quoted.
bool sameName(const char* begin, const char* end, const char* name) noexcept {
    if (end - begin >= 2 && *begin == '"' && end[-1] == '"') {
        ++begin;
        --end;
    }
    const std::size_t n = std::strlen(name);
    if (static_cast<std::size_t>(end - begin) != n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(begin[i])) != std::tolower(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

}  // namespace

PlatformHooks systemHooks() noexcept {
    return PlatformHooks{nullptr, posixSeconds, posixSleep, posixWindows, posixHelp};
}

ConfigValue readConfigValue(const char* name) noexcept {
    char path[1024];
    if (!configPath(path, sizeof path)) return {};
    std::FILE* const file = std::fopen(path, "r");
    if (file == nullptr) return {};
    ConfigValue found;
    char line[512];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        std::size_t len = std::strlen(line);
        const bool complete = len > 0 && line[len - 1] == '\n';
        while (len > 0 && (line[len - 1] == '\n' || line[len - 1] == '\r' || line[len - 1] == ' ')) line[--len] = '\0';
        if (!complete && !std::feof(file)) {
            // An over-long line: skip the rest of it, it cannot be a value of ours.
            int c = 0;
            while ((c = std::fgetc(file)) != EOF && c != '\n') {}
            continue;
        }
        const char* start = line;
        while (*start == ' ' || *start == '\t') ++start;
        if (*start == '\0' || *start == '#' || *start == ';' || *start == '[') continue;
        const char* eq = std::strchr(start, '=');
        if (eq == nullptr) continue;
        const char* nameEnd = eq;
        while (nameEnd > start && (nameEnd[-1] == ' ' || nameEnd[-1] == '\t')) --nameEnd;
        if (!sameName(start, nameEnd, name)) continue;
        const char* value = eq + 1;
        while (*value == ' ' || *value == '\t') ++value;
        found = parseValue(value);
        break;
    }
    std::fclose(file);
    return found;
}

}  // namespace vapxl
