// Helpers shared by the fuzz targets: a reader that takes fixed-size values from the fuzzer's bytes
// (doubles bit for bit, so NaN payloads, infinities and denormals arrive as often as ordinary
// numbers) and the check that reports a broken invariant.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

namespace fuzz {

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) noexcept : data_(data), size_(size) {}

    std::size_t remaining() const noexcept { return size_ - pos_; }

    // Missing bytes read as zero, so every input decodes to some call.
    std::uint8_t u8() noexcept { return pos_ < size_ ? data_[pos_++] : 0; }

    std::uint32_t u32() noexcept {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            v |= static_cast<std::uint32_t>(u8()) << (8 * i);
        }
        return v;
    }

    std::int32_t i32() noexcept { return static_cast<std::int32_t>(u32()); }

    double f64() noexcept {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits |= static_cast<std::uint64_t>(u8()) << (8 * i);
        }
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }

    // The next n bytes (fewer at the end of the input).
    std::string_view text(std::size_t n) noexcept {
        if (n > remaining()) {
            n = remaining();
        }
        const std::string_view t(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return t;
    }

    std::string_view rest() noexcept { return text(remaining()); }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

inline std::uint64_t bitsOf(double d) noexcept {
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

[[noreturn]] inline void fail(const char* file, int line, const char* what) noexcept {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

// A double from the input in one of four ways chosen by a selector byte: the raw bits; a magnitude
// of any decade from 1e-9 to 1e6 with either sign; one of the limits and landmarks of the two
// formulations in any unit set (or a neighbour one ulp away); or a small whole number.
inline double pickDouble(Bytes& in) noexcept {
    static constexpr double kLandmarks[] = {
        0.0,
        -0.0,
        1.0,
        -1.0,
        0.5,
        std::numeric_limits<double>::quiet_NaN(),
        -std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::denorm_min(),
        -std::numeric_limits<double>::denorm_min(),
        std::numeric_limits<double>::min(),
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(),
        std::numeric_limits<double>::epsilon(),
        // IF97 limits and landmarks (MPa, K, kJ/kg, kJ/(kg K))
        1e-7,
        110.32,
        100.0,
        50.0,
        10.0,
        22.064,
        16.529164252605,
        273.15,
        273.16,
        2273.15,
        1073.15,
        863.15,
        623.15,
        647.096,
        -0.05,
        7377.0,
        -0.011,
        111.45,
        2087.5459,
        3.778281340,
        4.41202148223476,
        5.210887663,
        5.85,
        2563.592004,
        2000.0,
        3.397782955,
        9.155759395,
        // the same limits in bar, kPa, psia, psig, degrees C and F, Btu/lb, kcal/kg
        1103.2,
        110320.0,
        1e-6,
        1e-4,
        16000.0,
        15985.3,
        14.6959488,
        -14.6959488,
        0.0,
        3200.0,
        705.47,
        705.1,
        32.0,
        32.018,
        3631.67,
        1472.0,
        1832.0,
        2000.0,
        800.0,
        3208.234758592228,
        15700.0,
        0.088,
        30.0,
        1600.0,
        960.0,
        1.0612,
        715.74857635,
        906.9335405,
        0.8491589268,
        1.0619538493,
        3171.4,
        // codes and markers that must never be taken as values
        -1000.0,
        -1099.0,
        -1300.0,
        -2000.0,
        -20.0,
        -5100.0,
    };
    constexpr int kCount = sizeof kLandmarks / sizeof kLandmarks[0];
    const std::uint8_t selector = in.u8();
    switch (selector & 3) {
        case 0: return in.f64();
        case 1: {
            const double fraction = static_cast<double>(in.u32()) / 4294967296.0;
            const int decade = static_cast<int>(selector >> 3) % 16 - 9;
            const double v = (1.0 + 9.0 * fraction) * std::pow(10.0, decade);
            return (selector & 4) ? -v : v;
        }
        case 2: {
            const double v = kLandmarks[in.u8() % kCount];
            switch (selector >> 6) {
                case 1: return std::nextafter(v, std::numeric_limits<double>::infinity());
                case 2: return std::nextafter(v, -std::numeric_limits<double>::infinity());
                default: return v;
            }
        }
        default: return static_cast<double>(static_cast<std::int16_t>(in.u8() | (in.u8() << 8)));
    }
}

// A UnitSet word: mostly the meaningful values 0 to 40 (sets, flags and the first rejected words),
// sometimes any 32-bit word.
inline std::int32_t pickUnitSet(Bytes& in) noexcept {
    const std::uint8_t selector = in.u8();
    if (selector < 224) {
        return selector % 41;
    }
    return in.i32();
}

}  // namespace fuzz

// Reports the broken invariant with its condition and ends the run (libFuzzer saves the input).
#define FUZZ_CHECK(cond)                             \
    do {                                             \
        if (!(cond)) {                               \
            ::fuzz::fail(__FILE__, __LINE__, #cond); \
        }                                            \
    } while (0)

// A broken invariant with the values that break it printed first.
#define FUZZ_CHECK_MSG(cond, ...)                    \
    do {                                             \
        if (!(cond)) {                               \
            std::fprintf(stderr, __VA_ARGS__);       \
            std::fprintf(stderr, "\n");              \
            ::fuzz::fail(__FILE__, __LINE__, #cond); \
        }                                            \
    } while (0)
