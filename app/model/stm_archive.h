// Byte-level reader and writer of ".stm" documents.
//
// Little-endian integers and IEEE doubles, and strings in the framework archive encoding: a
// one-byte length below 255; otherwise 0xFF and a 16-bit length below 0xFFFE; otherwise 0xFF,
// 0xFFFF and a 32-bit length; then the string's single-byte characters, no terminator.
// The reader never reads past its data and never allocates more than the bytes left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace calvex {

class ArchiveWriter {
  public:
    void writeI32(std::int32_t v);
    void writeU16(std::uint16_t v);
    void writeF64(double v);
    void writeString(const std::string& s);

    const std::vector<std::uint8_t>& bytes() const noexcept { return bytes_; }

  private:
    void put(std::uint64_t v, int size);
    std::vector<std::uint8_t> bytes_;
};

enum class ArchiveStatus {
    Ok,
    EndOfFile,  // the data ended before the value
    BadFormat,  // the bytes cannot be a value of that type
};

class ArchiveReader {
  public:
    explicit ArchiveReader(std::span<const std::uint8_t> data) noexcept : data_(data) {}

    // Each read returns false and keeps its status once a read has failed.
    bool readI32(std::int32_t& v) noexcept;
    bool readU16(std::uint16_t& v) noexcept;
    bool readF64(double& v) noexcept;
    bool readString(std::string& s);

    ArchiveStatus status() const noexcept { return status_; }
    std::size_t remaining() const noexcept { return data_.size() - pos_; }
    std::size_t position() const noexcept { return pos_; }

    void setStatus(ArchiveStatus s) noexcept {
        if (status_ == ArchiveStatus::Ok) {
            status_ = s;
        }
    }

  private:
    bool take(std::size_t n, std::uint64_t& v) noexcept;
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    ArchiveStatus status_ = ArchiveStatus::Ok;
};

}  // namespace calvex
