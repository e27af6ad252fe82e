#pragma once

#include <string>
#include <vector>

namespace content {

// An ordered list of lines holding the file's bytes: HtmlList, ButtonList, the lines of a button
// file or of init.txt.
using StringList = std::vector<std::string>;

// Entry n of a list; the list index error, carrying n, when there is none.
const std::string& ListEntry(const StringList& list, long long n);

// Replaces the list by the lines of the file. The open error leaves the list untouched.
void LoadListFile(const std::string& nativePath, StringList& list);

} // namespace content
