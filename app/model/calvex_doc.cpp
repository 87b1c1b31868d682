#include "calvex_doc.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "document_rules.h"
#include "stm_archive.h"

namespace calvex {
namespace {

// Format words and input selection that the form could have set.
bool hasValidSettings(std::uint32_t selection, const std::array<DisplayFormat, kPropertyCount>& formats) noexcept {
    for (int p = 0; p < kPropertyCount; ++p) {
        if (!isValidFormat(p, formats[static_cast<std::size_t>(p)])) {
            return false;
        }
    }
    return isValidInputSelection(selection);
}

}  // namespace

CCalvexDoc::CCalvexDoc() { OnNewDocument(); }

bool CCalvexDoc::OnNewDocument() {
    inputSelection_ = 0;
    selected_ = 0;
    newDocument_ = true;
    current_ = CStatePoint{};
    current_.setValue(kTemperature, 273.15);
    maxima_ = current_;
    formats_ = DefaultFormats();
    stored_.clear();
    modified_ = false;
    pathName_.clear();
    Changed();
    return true;
}

void CCalvexDoc::UpdateMaxima() noexcept {
    for (int p = 0; p < kPropertyCount; ++p) {
        if (current_.value(p) > maxima_.value(p)) {
            maxima_.setValue(p, current_.value(p));
        }
    }
}

int CCalvexDoc::StoreCurrentPoint() {
    stored_.push_back(current_);
    UpdateMaxima();
    modified_ = true;
    Changed();
    return GetStoredCount();
}

int CCalvexDoc::DeleteStoredPoint(int i) {
    if (i >= 0 && i < GetStoredCount()) {
        stored_.erase(stored_.begin() + i);
        modified_ = true;
        Changed();
    }
    return GetStoredCount();
}

bool CCalvexDoc::RecallStoredPoint(int i) {
    const CStatePoint* p = StoredPoint(i);
    if (!p) {
        return false;
    }
    current_ = *p;
    Changed();
    return true;
}

bool CCalvexDoc::ReplaceStoredPoint(int i) {
    if (i < 0 || i >= GetStoredCount()) {
        return false;
    }
    stored_[static_cast<std::size_t>(i)] = current_;
    modified_ = true;
    UpdateMaxima();
    Changed();
    return true;
}

const CStatePoint* CCalvexDoc::StoredPoint(int i) const noexcept {
    return (i >= 0 && i < GetStoredCount()) ? &stored_[static_cast<std::size_t>(i)] : nullptr;
}

double CCalvexDoc::GetStoredValue(int i, int property) const noexcept {
    const CStatePoint* p = StoredPoint(i);
    return p ? p->value(property) : NotAvailableMarker;
}

std::string CCalvexDoc::GetStoredLabel(int i) const {
    const CStatePoint* p = StoredPoint(i);
    return p ? p->label() : std::string{};
}

DisplayFormat CCalvexDoc::GetDisplayFormat(int property) const noexcept {
    return (property >= 0 && property < kPropertyCount) ? formats_[static_cast<std::size_t>(property)]
                                                        : DisplayFormat{0};
}

void CCalvexDoc::SetDisplayFormat(int property, DisplayFormat f) {
    if (property >= 0 && property < kPropertyCount) {
        formats_[static_cast<std::size_t>(property)] = f;
        Changed();
    }
}

std::string CCalvexDoc::GetTitle() const {
    if (pathName_.empty()) {
        return "Untitled";
    }
    return std::filesystem::path(pathName_).filename().string();
}

void CCalvexDoc::Serialize(ArchiveWriter& ar) const {
    ar.writeI32(GetStoredCount());
    ar.writeI32(static_cast<std::int32_t>(inputSelection_));
    ar.writeI32(selected_);
    for (DisplayFormat f : formats_) {
        ar.writeU16(f);
    }
    current_.Serialize(ar);
    maxima_.Serialize(ar);
    for (const CStatePoint& p : stored_) {
        p.Serialize(ar);
    }
}

std::vector<std::uint8_t> CCalvexDoc::SaveToBytes() const {
    ArchiveWriter ar;
    Serialize(ar);
    return ar.bytes();
}

DocFileResult CCalvexDoc::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    // Everything is read into a separate record first; the document changes only at the end.
    ArchiveReader ar(bytes);
    Contents c;
    std::int32_t selection = 0;
    ar.readI32(c.storedCount);
    ar.readI32(selection);
    ar.readI32(c.selected);
    for (DisplayFormat& f : c.formats) {
        ar.readU16(f);
    }
    if (ar.status() == ArchiveStatus::Ok && !hasValidSettings(static_cast<std::uint32_t>(selection), c.formats)) {
        ar.setStatus(ArchiveStatus::BadFormat);
    }
    // Only the low 16 bits of the selection carry meaning; the document keeps no other bits.
    c.inputSelection = static_cast<std::uint32_t>(selection) & kSelectionBits;
    if (ar.status() == ArchiveStatus::Ok) {
        c.current.Serialize(ar);
        c.maxima.Serialize(ar);
    }
    if (ar.status() == ArchiveStatus::Ok) {
        if (c.storedCount < 0) {
            ar.setStatus(ArchiveStatus::BadFormat);
        } else if (static_cast<std::size_t>(c.storedCount) > ar.remaining() / CStatePoint::kMinRecordBytes) {
            // The file cannot hold that many records: reading them would run past its end.
            ar.setStatus(ArchiveStatus::EndOfFile);
        } else {
            c.stored.reserve(static_cast<std::size_t>(c.storedCount));
            for (std::int32_t i = 0; i < c.storedCount && ar.status() == ArchiveStatus::Ok; ++i) {
                CStatePoint p;
                if (p.Serialize(ar)) {
                    c.stored.push_back(std::move(p));
                }
            }
        }
    }
    switch (ar.status()) {
        case ArchiveStatus::Ok: break;
        case ArchiveStatus::EndOfFile: return {false, kMsgPastEnd};
        case ArchiveStatus::BadFormat: return {false, kMsgUnexpectedFormat};
    }
    inputSelection_ = c.inputSelection;
    selected_ = c.selected;
    formats_ = c.formats;
    current_ = std::move(c.current);
    maxima_ = std::move(c.maxima);
    stored_ = std::move(c.stored);
    newDocument_ = false;
    modified_ = false;
    Changed();
    return {};
}

DocFileResult CCalvexDoc::OnOpenDocument(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {false, kMsgFailedToOpen};
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        return {false, kMsgFailedToOpen};
    }
    if (size > kMaxFileBytes) {
        return {false, kMsgUnexpectedFormat};
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!bytes.empty() && !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        return {false, substituteFileName(kMsgPastEnd, path)};
    }
    DocFileResult r = LoadFromBytes(bytes);
    if (!r.ok) {
        r.message = substituteFileName(r.message, path);
        return r;
    }
    pathName_ = path;
    Changed();
    return r;
}

DocFileResult CCalvexDoc::OnSaveDocument(const std::string& path) {
    // Written beside the target and renamed over it, so a failed save keeps the old file.
    const std::vector<std::uint8_t> bytes = SaveToBytes();
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            return {false, kMsgFailedToSave};
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return {false, kMsgFailedToSave};
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return {false, kMsgFailedToSave};
    }
    pathName_ = path;
    newDocument_ = false;
    modified_ = false;
    Changed();
    return {};
}

std::string substituteFileName(const std::string& message, const std::string& fileName) {
    std::string out = message;
    const std::size_t at = out.find("%1");
    if (at != std::string::npos) {
        out.replace(at, 2, fileName);
    }
    return out;
}

}  // namespace calvex
