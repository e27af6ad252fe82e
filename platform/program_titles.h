#pragma once

// The program's fixed titles: the application's, which captions its message boxes and the
// windows of its own, and the main window's caption, by which a second start finds the first.
inline constexpr const char* kApplicationTitle = "Quillore CD-ROM Browser";
inline constexpr const char* kMainFormCaption = "Quillore CD-ROM Browser Main Form";
