// The Calvex document: current point, stored points, their maxima, display formats and the
// choice of input pair and formulation; read and written as ".stm" files.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "display_format.h"
#include "state_point.h"

namespace calvex {

// Input selection bits of the form, and the formulation bit.
enum InputMask : std::uint32_t {
    kInputPressure = 1,
    kInputTemperature = 2,
    kInputQuality = 4,
    kInputEnthalpy = 8,
    kInputEntropy = 16,
    kInputIfc67 = 0x2000,
};

// Outcome of opening or saving a file; `message` is the text to show when !ok.
struct DocFileResult {
    bool ok = true;
    std::string message;
};

// Texts shown when a document cannot be read or written ("%1" stands for the file name).
inline constexpr const char* kMsgUnexpectedFormat = "Unexpected file format.";
inline constexpr const char* kMsgPastEnd = "An attempt was made to access %1 past its end.";
inline constexpr const char* kMsgFailedToOpen = "Failed to open document.";
inline constexpr const char* kMsgFailedToSave = "Failed to save document.";

class CCalvexDoc {
  public:
    // Files above this size are not read (a document of stored points is a few kilobytes).
    static constexpr std::size_t kMaxFileBytes = 64u << 20;

    CCalvexDoc();

    // Called after every change made through the operations below (points, selection, formats,
    // the modified flag, a load or a save), so that windows showing the document follow it.
    // Writes through CurrentPoint() are announced by the operation that ends them (a computed
    // point ends with SetInputSelection).
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Empties the document and gives it the built-in defaults; sets the new-document flag.
    bool OnNewDocument();

    // Whole-file operations. A failed open leaves the document exactly as it was.
    DocFileResult OnOpenDocument(const std::string& path);
    DocFileResult OnSaveDocument(const std::string& path);

    // The ".stm" byte stream. LoadFromBytes replaces the contents only when every byte of the
    // layout has been read and the format words and input selection are ones the form can set
    // (document_rules.h); otherwise nothing changes and the message is returned (with "%1"):
    // "Unexpected file format." for values the form cannot set.
    std::vector<std::uint8_t> SaveToBytes() const;
    DocFileResult LoadFromBytes(std::span<const std::uint8_t> bytes);

    // Stored points. Indices outside the collection change nothing.
    int StoreCurrentPoint();
    int DeleteStoredPoint(int i);
    bool RecallStoredPoint(int i);
    bool ReplaceStoredPoint(int i);
    int GetStoredCount() const noexcept { return static_cast<int>(stored_.size()); }
    double GetStoredValue(int i, int property) const noexcept;
    std::string GetStoredLabel(int i) const;
    const CStatePoint* StoredPoint(int i) const noexcept;

    CStatePoint& CurrentPoint() noexcept { return current_; }
    const CStatePoint& CurrentPoint() const noexcept { return current_; }
    const CStatePoint& MaximaPoint() const noexcept { return maxima_; }

    std::uint32_t InputSelection() const noexcept { return inputSelection_; }
    void SetInputSelection(std::uint32_t mask) {
        inputSelection_ = mask;
        Changed();
    }
    std::int32_t SelectedIndex() const noexcept { return selected_; }
    void SetSelectedIndex(std::int32_t i) {
        selected_ = i;
        Changed();
    }

    // Display format words. Setting them does not touch the modified flag: a change made by the
    // user is followed by SetModifiedFlag() in the command that made it.
    DisplayFormat GetDisplayFormat(int property) const noexcept;
    void SetDisplayFormat(int property, DisplayFormat f);
    const std::array<DisplayFormat, kPropertyCount>& DisplayFormats() const noexcept { return formats_; }

    bool IsModified() const noexcept { return modified_; }
    void SetModifiedFlag(bool modified = true) {
        modified_ = modified;
        Changed();
    }
    bool IsNewDocument() const noexcept { return newDocument_; }

    // File the document was last read from or saved to (empty for a new document), and the
    // title shown on the window: the file's name, or "Untitled".
    const std::string& GetPathName() const noexcept { return pathName_; }
    std::string GetTitle() const;

    static constexpr std::array<DisplayFormat, kPropertyCount> DefaultFormats() {
        std::array<DisplayFormat, kPropertyCount> f{};
        for (int i = 0; i < kPropertyCount; ++i) {
            f[static_cast<std::size_t>(i)] = kProperties[static_cast<std::size_t>(i)].defaultDigits;
        }
        return f;
    }

  private:
    struct Contents {
        std::int32_t storedCount = 0;
        std::uint32_t inputSelection = 0;
        std::int32_t selected = 0;
        CStatePoint current;
        CStatePoint maxima;
        std::vector<CStatePoint> stored;
        std::array<DisplayFormat, kPropertyCount> formats{};
    };

    void UpdateMaxima() noexcept;
    void Changed() const {
        if (listener_) {
            listener_();
        }
    }
    void Serialize(ArchiveWriter& ar) const;

    std::uint32_t inputSelection_ = 0;
    std::int32_t selected_ = 0;
    bool newDocument_ = false;
    bool modified_ = false;
    CStatePoint current_;
    CStatePoint maxima_;
    std::vector<CStatePoint> stored_;
    std::array<DisplayFormat, kPropertyCount> formats_{};
    std::string pathName_;
    std::function<void()> listener_;
};

// "%1" in `message` replaced by `fileName`.
std::string substituteFileName(const std::string& message, const std::string& fileName);

}  // namespace calvex
