#pragma once

#include "content/folder_listings.h"
#include "content/load_sequence.h"
#include "content/string_list.h"
#include "tools/check/finding.h"

#include <string>
#include <vector>

namespace check {

// A button file named by button.txt that exists: its name as written there (Shift-JIS bytes)
// and where it lies.
struct ButtonFileRef {
    std::string name;
    std::string path;
};

// Every distinct file the lines of button.txt name, in the order of their first line.
std::vector<ButtonFileRef> ButtonFilesOf(const content::StringList& buttonList,
                                         const std::string& htmlDir,
                                         content::FolderListings& listings);

// What looks wrong inside one button file: its bytes, pairs the browser drops, lines it never
// reads and targets that do not exist.
void CheckButtonFile(const ButtonFileRef& file, const std::string& htmlDir,
                     content::FolderListings& listings, Findings& findings);

} // namespace check
