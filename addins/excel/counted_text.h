// Counted strings for the host: a length byte followed by the characters, no terminator.
//
// A CountedPool holds a fixed list of texts laid out at compile time, each behind one placeholder
// byte. stamp(i) writes the length into that byte and returns the counted string; the host is only
// ever handed texts that went through stamp(), so the length it reads is always the true one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vapxl {

// The longest text a length byte can count.
inline constexpr std::size_t kCountedMax = 255;

template <std::size_t N>
constexpr std::size_t countedPoolBytes(const std::array<std::string_view, N>& texts) {
  std::size_t bytes = 0;
  for (const std::string_view t : texts) bytes += 1 + t.size();
  return bytes;
}

template <std::size_t N, std::size_t Bytes>
class CountedPool {
 public:
  // Compile-time construction; a text longer than 255 characters stops the build.
  consteval explicit CountedPool(const std::array<std::string_view, N>& texts) : bytes_{}, offset_{}, length_{} {
    std::size_t at = 0;
    for (std::size_t i = 0; i < N; ++i) {
      if (texts[i].size() > kCountedMax) throw "counted text longer than 255 characters";
      offset_[i] = static_cast<std::uint32_t>(at);
      length_[i] = static_cast<std::uint8_t>(texts[i].size());
      bytes_[at++] = '\0';  // placeholder for the length byte
      for (const char c : texts[i]) bytes_[at++] = c;
    }
    if (at != Bytes) throw "pool size mismatch";
  }

  static constexpr std::size_t size() noexcept { return N; }

  // Writes the length byte of text i and returns the counted string.
  char* stamp(std::size_t i) noexcept {
    char* const s = bytes_.data() + offset_[i];
    s[0] = static_cast<char>(length_[i]);
    return s;
  }

  // Stamps every text.
  void stampAll() noexcept {
    for (std::size_t i = 0; i < N; ++i) stamp(i);
  }

  // The counted string of text i as it stands now (its length byte may still be the placeholder).
  const char* raw(std::size_t i) const noexcept { return bytes_.data() + offset_[i]; }

  std::string_view text(std::size_t i) const noexcept { return {bytes_.data() + offset_[i] + 1, length_[i]}; }

 private:
  std::array<char, Bytes> bytes_;
  std::array<std::uint32_t, N> offset_;
  std::array<std::uint8_t, N> length_;
};

// The characters of a counted string handed over by the host (empty for a null pointer).
inline std::string_view countedView(const char* counted) noexcept {
  if (counted == nullptr) return {};
  return {counted + 1, static_cast<unsigned char>(counted[0])};
}

}  // namespace vapxl
