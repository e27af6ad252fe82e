#pragma once

#include <filesystem>

namespace testkit {

// The worked example of the list files: two groups, three pages, and one button file whose two
// buttons name files that are there. soft\util.txt, the second page's button file, is missing,
// as an editor may leave it: the one flaw of the disc.
//
//   0 Feature          1 Cover story  feature\cover.htm  feature\cover.txt
//   3 Software         2 Interview    feature\talk.htm
//                      4 Utilities    soft\util.htm      soft\util.txt (missing)
void WriteExampleDisc(const std::filesystem::path& root);

} // namespace testkit
