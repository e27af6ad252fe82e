#include "tools/check/csv_report.h"

#include "content/text_decoder.h"

namespace check {
namespace {

// A field as RFC 4180 writes it: quoted when it holds a comma, a quote or a line end, its
// quotes doubled.
std::string Field(std::string_view written) {
    // Valid UTF-8 whatever a file's name holds: a byte that is none becomes U+FFFD.
    std::string text = content::DecodeText(written, "UTF-8");
    if (!text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos)
        text.insert(text.begin(), '\'');
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

} // namespace

std::string CsvReport(const DiscReport& report) {
    std::string out = "severity,code,file,line,column,reference,message\r\n";
    for (const Finding& f : report.problems)
        out += std::string(SeverityName(f.severity)) + ',' + Field(f.code) + ',' + Field(f.file) +
               ',' + LineText(f) + ',' + ColumnText(f) + ',' + Field(f.reference.value_or("")) +
               ',' + Field(f.message) + "\r\n";
    return out;
}

} // namespace check
