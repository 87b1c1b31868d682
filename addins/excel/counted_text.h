// Counted strings for the host: a length byte followed by the characters, no terminator.
//
// A CountedPool holds a fixed list of texts laid out at compile time, each behind one placeholder
// byte. stamp(i) writes the length into that byte and returns the counted string; the host is only
// ever handed texts that went through stamp(), so the length it reads is always the true one.
//
// The host's current API takes wide counted strings (a 16-bit length, then 16-bit characters): a
// pool of a wide character type widens its (ASCII) texts at compile time and writes every length
// at once, so that functions running on several of the host's threads only read it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace vapxl {

// The longest text a length byte can count.
inline constexpr std::size_t kCountedMax = 255;

template <std::size_t N>
constexpr std::size_t countedPoolBytes(const std::array<std::string_view, N>& texts) {
    std::size_t bytes = 0;
    for (const std::string_view t : texts) bytes += 1 + t.size();
    return bytes;
}

// Bytes is the number of characters of the pool (one length character per text included).
template <std::size_t N, std::size_t Bytes, typename Char = char>
class CountedPool {
  public:
    // Wide pools carry their lengths from the start; narrow ones wait for stamp().
    static constexpr bool kPrestamped = !std::is_same_v<Char, char>;

    // Compile-time construction; a text longer than 255 characters, or one with a character outside
    // ASCII in a wide pool, stops the build.
    consteval explicit CountedPool(const std::array<std::string_view, N>& texts) : bytes_{}, offset_{}, length_{} {
        std::size_t at = 0;
        for (std::size_t i = 0; i < N; ++i) {
            if (texts[i].size() > kCountedMax) throw "counted text longer than 255 characters";
            offset_[i] = static_cast<std::uint32_t>(at);
            length_[i] = static_cast<std::uint8_t>(texts[i].size());
            // The length character: a placeholder in a narrow pool.
            bytes_[at++] = kPrestamped ? static_cast<Char>(texts[i].size()) : Char{};
            for (const char c : texts[i]) {
                if (kPrestamped && static_cast<unsigned char>(c) > 0x7F) throw "a wide pool holds ASCII texts only";
                bytes_[at++] = static_cast<Char>(c);
            }
        }
        if (at != Bytes) throw "pool size mismatch";
    }

    static constexpr std::size_t size() noexcept { return N; }

    // Writes the length of text i (a wide pool has it already) and returns the counted string.
    Char* stamp(std::size_t i) noexcept {
        Char* const s = bytes_.data() + offset_[i];
        if constexpr (!kPrestamped) s[0] = static_cast<Char>(length_[i]);
        return s;
    }

    // Stamps every text.
    void stampAll() noexcept {
        for (std::size_t i = 0; i < N; ++i) stamp(i);
    }

    // The counted string of text i as it stands now (in a narrow pool its length byte may still be
    // the placeholder).
    const Char* raw(std::size_t i) const noexcept { return bytes_.data() + offset_[i]; }

    std::basic_string_view<Char> text(std::size_t i) const noexcept {
        return {bytes_.data() + offset_[i] + 1, length_[i]};
    }

  private:
    std::array<Char, Bytes> bytes_;
    std::array<std::uint32_t, N> offset_;
    std::array<std::uint8_t, N> length_;
};

// The characters of a counted string handed over by the host (empty for a null pointer): a length
// byte, or in the current API a 16-bit length character, then the characters.
inline std::string_view countedView(const char* counted) noexcept {
    if (counted == nullptr) return {};
    return {counted + 1, static_cast<unsigned char>(counted[0])};
}
template <typename Char>
requires(sizeof(Char) == 2) std::basic_string_view<Char> countedView(const Char* counted)
noexcept {
    if (counted == nullptr) return {};
    return {counted + 1, static_cast<std::uint16_t>(counted[0])};
}

}  // namespace vapxl
