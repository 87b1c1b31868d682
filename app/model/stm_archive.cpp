#include "stm_archive.h"

#include <bit>

namespace calvex {

void ArchiveWriter::put(std::uint64_t v, int size) {
    for (int i = 0; i < size; ++i) {
        bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

void ArchiveWriter::writeI32(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }

void ArchiveWriter::writeU16(std::uint16_t v) { put(v, 2); }

void ArchiveWriter::writeF64(double v) { put(std::bit_cast<std::uint64_t>(v), 8); }

void ArchiveWriter::writeString(const std::string& s) {
    // The 32-bit form is the longest the format has; longer texts are cut to fit it.
    const std::size_t len = s.size() < 0xFFFFFFFFu ? s.size() : 0xFFFFFFFEu;
    if (len < 0xFF) {
        put(len, 1);
    } else if (len < 0xFFFE) {
        put(0xFF, 1);
        put(len, 2);
    } else {
        put(0xFF, 1);
        put(0xFFFF, 2);
        put(len, 4);
    }
    bytes_.insert(bytes_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(len));
}

bool ArchiveReader::take(std::size_t n, std::uint64_t& v) noexcept {
    if (status_ != ArchiveStatus::Ok) {
        return false;
    }
    if (remaining() < n) {
        status_ = ArchiveStatus::EndOfFile;
        return false;
    }
    v = 0;
    for (std::size_t i = 0; i < n; ++i) {
        v |= static_cast<std::uint64_t>(data_[pos_ + i]) << (8 * i);
    }
    pos_ += n;
    return true;
}

bool ArchiveReader::readI32(std::int32_t& v) noexcept {
    std::uint64_t raw = 0;
    if (!take(4, raw)) {
        return false;
    }
    v = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
    return true;
}

bool ArchiveReader::readU16(std::uint16_t& v) noexcept {
    std::uint64_t raw = 0;
    if (!take(2, raw)) {
        return false;
    }
    v = static_cast<std::uint16_t>(raw);
    return true;
}

bool ArchiveReader::readF64(double& v) noexcept {
    std::uint64_t raw = 0;
    if (!take(8, raw)) {
        return false;
    }
    v = std::bit_cast<double>(raw);
    return true;
}

bool ArchiveReader::readString(std::string& s) {
    std::uint64_t len = 0;
    if (!take(1, len)) {
        return false;
    }
    bool wide = false;
    if (len == 0xFF) {
        if (!take(2, len)) {
            return false;
        }
        if (len == 0xFFFE) {
            // Marker of a string of 16-bit characters; its length follows in the same encoding.
            wide = true;
            if (!take(1, len)) {
                return false;
            }
            if (len == 0xFF && !take(2, len)) {
                return false;
            }
        }
        if (len == 0xFFFF) {
            if (!take(4, len)) {
                return false;
            }
            if (len == 0xFFFFFFFFu) {
                status_ = ArchiveStatus::BadFormat;  // 64-bit lengths are not written by this format
                return false;
            }
        }
    }
    const std::uint64_t bytes = wide ? len * 2 : len;
    if (bytes > remaining()) {
        status_ = ArchiveStatus::EndOfFile;
        return false;
    }
    s.clear();
    s.reserve(static_cast<std::size_t>(len));
    for (std::uint64_t i = 0; i < len; ++i) {
        if (wide) {
            const unsigned c = data_[pos_] | (static_cast<unsigned>(data_[pos_ + 1]) << 8);
            s.push_back(c < 0x100 ? static_cast<char>(c) : '?');
            pos_ += 2;
        } else {
            s.push_back(static_cast<char>(data_[pos_]));
            ++pos_;
        }
    }
    return true;
}

}  // namespace calvex
