#pragma once

#include "content/folder_listings.h"
#include "content/load_sequence.h"
#include "tools/check/finding.h"
#include "tools/check/load_check.h"

namespace check {

// Reads every page the disc shows (the pages html.txt lists, the start page open.htm and every
// page their links and frames reach) and tells what is wrong with their references: files that
// are not on the disc, files outside it, links the tree will not follow and frames that take
// over the view; then the pages under the content directory that nothing reaches. A page's
// findings carry its path from the content directory.
void CheckPageReferences(const LoadOutcome& load, const content::DiscDirs& dirs,
                         content::FolderListings& listings, Findings& findings);

} // namespace check
