#pragma once

// What a loader needs to call the skin module: the entry point's name and type, and what its
// result means. The module itself exports the function with C linkage.

namespace SkinAttach {

inline constexpr const char* entryPoint = "SkinH_AttachEx";

// int SkinH_AttachEx(const char* skinFile, const char* password)
using Function = int (*)(const char*, const char*);

enum Result : int {
    Applied = 0,       // the file's style sheet now styles the whole application
    NoApplication = 1, // no QApplication is running; nothing applied
    NoFile = 2,        // no path given, or the file can't be opened or read
    TooLarge = 3,      // larger than any skin could be; not read
    NotText = 4,       // the file is not UTF-8 text
};

} // namespace SkinAttach
