#pragma once

#include "tools/open/extraction_plan.h"
#include "tools/open/image_file.h"

#include <cstdint>
#include <vector>

namespace disc_image {

// Extracting an image takes two passes through it: the first reads what it holds, from which
// PlanExtraction decides what is written; the second writes that.

// The first pass: every entry of the image, in the reader's order. Throws ImageError, also when
// the image holds more entries than kMostEntries.
std::vector<ImageEntry> ReadEntries(const ImageFile& image);

// The bytes of data the second pass writes (small files and their copies).
std::uint64_t BytesWrittenAtOpen(const ExtractionPlan& plan);

// The second pass, below the folder `root` (a descriptor): folders, small files with their data,
// copies, and empty stand-ins for the large files, in the reader's order; the links last, so
// that nothing is written through one. Throws ImageError, also when the image is not the one
// the plan was made from.
void WriteExtraction(const ImageFile& image, const ExtractionPlan& plan, int root);

} // namespace disc_image
