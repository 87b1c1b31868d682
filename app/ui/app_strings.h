// Names and texts of the program's registration: settings key, window title, file type.
#pragma once

namespace calvex {

inline constexpr const char* kOrganization = "Orlesk";  // maker word of the settings key
inline constexpr const char* kApplication = "Calvex";   // profile (application) name
inline constexpr const char* kAppTitle = "Caldora";     // window title
inline constexpr const char* kUntitled = "Untitled";    // name of a document never saved
inline constexpr const char* kNewFileName = "Calvex";
inline constexpr const char* kFileFilter = "Calvex (*.stm)";
inline constexpr const char* kFileExtension = ".stm";
inline constexpr const char* kFileTypeId = "CalvexFile";
inline constexpr const char* kHelpFile = "Calvex.hlp";
inline constexpr const char* kDefaultsGroup = "Defaults";
inline constexpr const char* kRecentGroup = "Recent File List";
inline constexpr int kRecentFileCount = 4;
inline constexpr int kFrameWidth = 480;
inline constexpr int kFrameHeight = 485;

inline constexpr const char* kMsgAskToSave = "Save changes to %1?";

}  // namespace calvex
