#pragma once

#include "content/folder_listings.h"
#include "content/load_sequence.h"
#include "tools/check/disc_report.h"
#include "tools/check/finding.h"
#include "tools/check/load_check.h"

#include <vector>

namespace check {

// What showing the page of each node that has one does: whether the page exists, and how the
// launch strip is filled from the node's button file, by the browser's own fill.
std::vector<DiscReport::Page> CheckPages(const LoadOutcome& load, const content::DiscDirs& dirs,
                                         content::FolderListings& listings, Findings& findings);

} // namespace check
