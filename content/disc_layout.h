#pragma once

namespace content {

// The names a disc is laid out by, as the browser opens them: the four list files in the program
// directory, the content directory beside it and the start page in that.
inline constexpr char kTreeFile[] = "tree.txt";
inline constexpr char kHtmlFile[] = "html.txt";
inline constexpr char kButtonFile[] = "button.txt";
inline constexpr char kInitFile[] = "init.txt";
inline constexpr char kContentDir[] = "_html";
inline constexpr char kStartPage[] = "open.htm";

} // namespace content
