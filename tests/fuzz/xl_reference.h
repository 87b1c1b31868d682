// The unit-set argument of the worksheet functions as the add-in's help describes it, written
// independently of the add-in's parser so the fuzz targets can compare the two.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fuzz {

// A text: leading blanks skipped; names tried from METF down to ENG on the upper-cased leading
// characters (a name of k characters only when at least k remain); then "O" adds 8 and "S" adds 16,
// each once, every other character ignored.
inline std::optional<std::int32_t> referenceUnitSetText(std::string_view t) {
    static constexpr std::array<std::string_view, 7> kNames = {"ENG", "SI", "ENGG", "SIF", "SIK", "MET", "METF"};
    std::size_t first = 0;
    while (first < t.size() && t[first] == ' ') {
        ++first;
    }
    const std::size_t n = t.size() - first;
    for (int index = 6; index >= 0; --index) {
        const std::string_view name = kNames[static_cast<std::size_t>(index)];
        if (n < name.size()) {
            continue;
        }
        bool match = true;
        for (std::size_t i = 0; i < name.size() && match; ++i) {
            char c = t[first + i];
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 32);
            }
            match = c == name[i];
        }
        if (!match) {
            continue;
        }
        std::int32_t set = index;
        bool o = false;
        bool s = false;
        for (std::size_t i = first + name.size(); i < t.size(); ++i) {
            const char c = t[i];
            o = o || c == 'o' || c == 'O';
            s = s || c == 's' || c == 'S';
        }
        return set + (o ? 8 : 0) + (s ? 16 : 0);
    }
    return std::nullopt;
}

// A number: accepted from 0 to 127 after truncation toward zero. Numbers outside (-1, 128),
// NaN included, are refused rather than wrapped into range by an integer conversion.
inline std::optional<std::int32_t> referenceUnitSetNumber(double x) {
    if (!(x > -1.0 && x < 128.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(std::trunc(x));
}

}  // namespace fuzz
