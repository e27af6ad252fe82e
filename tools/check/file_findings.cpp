#include "tools/check/file_findings.h"

#include "content/cp932.h"
#include "content/line_rule.h"
#include "content/line_starts.h"

#include <map>

namespace check {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Only the first line of init.txt is read, so its faults rarely show; a fault anywhere else
// changes what the browser shows.
Severity ShapeSeverity(FileRole role) {
    return role == FileRole::Init ? Severity::Warning : Severity::Error;
}

void ScanBom(const std::string& file, std::string_view text, ByteScan& scan) {
    if (text.substr(0, kUtf8Bom.size()) != kUtf8Bom)
        return;
    scan.findings.push_back({Severity::Error, "utf8-bom", file, 1,
                             "starts with a UTF-8 byte-order mark (EF BB BF): the browser reads "
                             "the file as Shift-JIS and keeps these bytes as part of line 1's "
                             "text; save the file as Shift-JIS without a mark"});
}

void ScanNul(const std::string& file, std::string_view bytes, FileRole role,
             const std::vector<std::size_t>& starts, ByteScan& scan) {
    const std::size_t end = content::TextEnd(bytes);
    if (end == bytes.size())
        return;
    const std::string_view rest = bytes.substr(end);
    const int line = static_cast<int>(content::LineNumberAt(starts, end));
    const std::string where = "a NUL byte at byte offset " + std::to_string(end);
    if (rest.find_first_not_of('\0') == std::string_view::npos) {
        scan.findings.push_back({Severity::Note, "nul-padding", file, line,
                                 where + " begins " + std::to_string(rest.size()) +
                                     " bytes of NUL padding, which the browser ignores"});
        return;
    }
    scan.findings.push_back({ShapeSeverity(role), "nul-cuts-text", file, line,
                             where + " ends the text: the " + std::to_string(rest.size() - 1) +
                                 " bytes after it do not exist for the browser"});
}

void ScanLfCr(const std::string& file, std::string_view text, FileRole role,
              const std::vector<std::size_t>& starts, ByteScan& scan) {
    // An LF right after a CR is the end of a CR LF; only a lone LF followed by a CR makes the
    // CR end an empty line of its own.
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\n' && text[i + 1] == '\r' && (i == 0 || text[i - 1] != '\r'))
            scan.addedEmptyLines.push_back(static_cast<int>(content::LineNumberAt(starts, i + 1)));
    if (scan.addedEmptyLines.empty())
        return;
    std::string effect = role == FileRole::Tree
                             ? "in tree.txt each is an extra top-level node with an empty text "
                               "that shifts the index of every later node"
                             : "it shifts every later line";
    scan.findings.push_back({ShapeSeverity(role), "lf-cr-line-ends", file,
                             scan.addedEmptyLines.front(),
                             "LF CR line ends (" + std::to_string(scan.addedEmptyLines.size()) +
                                 ", the first making this line): each adds an empty line; " +
                                 effect + "; save the file with CR LF line ends"});
}

void ScanCp932(const std::string& file, std::string_view text,
               const std::vector<std::size_t>& starts, ByteScan& scan) {
    const std::size_t skip = text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    std::map<int, std::vector<std::size_t>> byLine;
    for (std::size_t offset : content::InvalidCp932Offsets(text))
        if (offset >= skip)
            byLine[static_cast<int>(content::LineNumberAt(starts, offset))].push_back(offset);
    for (const auto& [line, offsets] : byLine) {
        std::string list;
        for (std::size_t offset : offsets)
            list += (list.empty() ? "" : ", ") + std::to_string(offset);
        scan.findings.push_back(
            {Severity::Warning, "not-shift-jis", file, line,
             "bytes that are not Shift-JIS (at byte offset" +
                 std::string(offsets.size() > 1 ? "s " : " ") + list +
                 "): the browser shows them as garbage; is the file saved in another "
                 "encoding?"});
    }
}

} // namespace

ByteScan ScanFileBytes(const std::string& file, std::string_view bytes, FileRole role) {
    ByteScan scan;
    const std::string_view text = bytes.substr(0, content::TextEnd(bytes));
    const std::vector<std::size_t> starts = content::LineStarts(bytes);
    ScanBom(file, text, scan);
    ScanNul(file, bytes, role, starts, scan);
    ScanLfCr(file, text, role, starts, scan);
    ScanCp932(file, text, starts, scan);
    return scan;
}

} // namespace check
