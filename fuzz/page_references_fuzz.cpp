// A page as any bytes: read in its charset, parsed, every reference found and joined to the
// page's address as the view's engine joins it.

#include "content/page_reference.h"
#include "fuzz_check.h"
#include "fuzz_entry.h"
#include "pages/page_read.h"
#include "pages/text_positions.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static pages::ParseArena arena;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pages::DecodedPage page = pages::DecodeAndScan(bytes, arena);
    const std::string& text = page.text;
    const pages::PageScan& scan = page.scan;
    const std::string base = "/disc/_html/news/a.htm";
    pages::TextPositions positions(text);
    std::size_t last = 0;
    for (const pages::PageReference& reference : scan.references) {
        FUZZ_CHECK(reference.offset <= text.size());
        FUZZ_CHECK(reference.offset >= last); // in the order of the text
        last = reference.offset;
        const pages::TextPosition at = positions.At(reference.offset);
        FUZZ_CHECK(at.line >= 1 && at.column >= 1);
        FUZZ_CHECK(static_cast<std::size_t>(at.column) <= reference.offset + 1);

        const content::JoinedReference joined = content::JoinReference(base, reference.text);
        if (joined.kind == content::JoinedReference::Kind::OtherScheme)
            continue;
        // A path from the root, with no "." or ".." left and nothing past a query or fragment.
        FUZZ_CHECK(!joined.path.empty() && joined.path[0] == '/');
        FUZZ_CHECK(joined.path.find_first_of("?#\\\t\n\r") == std::string::npos);
        FUZZ_CHECK(joined.path.find("/../") == std::string::npos);
        FUZZ_CHECK(joined.path.find("/./") == std::string::npos);
        FUZZ_CHECK(!joined.path.ends_with("/..") && !joined.path.ends_with("/."));
        // Joining the result again changes nothing (a path beginning "//" would name a machine,
        // and spaces at a path's end, kept before a query, would be dropped as a reference's).
        if (!joined.path.starts_with("//") &&
            static_cast<unsigned char>(joined.path.back()) > 0x20) {
            const content::JoinedReference again = content::JoinReference(base, joined.path);
            FUZZ_CHECK(again.path == joined.path);
        }
    }
    return 0;
}
