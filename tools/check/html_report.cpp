#include "tools/check/html_report.h"

#include "content/disc_layout.h"
#include "content/text_decoder.h"
#include "tools/check/text_report.h"

#include <string_view>

namespace check {
namespace {

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "h1{font-size:1.5em}h2{font-size:1.25em;margin-top:1.5em}h3{font-size:1.05em;margin:1.2em 0 "
    ".4em}"
    "span.en{color:#555;font-weight:normal}"
    "table{border-collapse:collapse}td,th{border:1px solid #bbb;padding:.2em .5em;text-align:"
    "left;vertical-align:top}"
    "td.number{text-align:right}"
    "tr.error td.severity{color:#a00;font-weight:bold}tr.warning td.severity{color:#850}"
    "tr.note td.severity{color:#357}"
    "dt{font-weight:bold;margin-top:.4em}dd{margin-left:1.5em}";

// Text as HTML shows it: markup characters escaped, bytes that are no UTF-8 (a file's name may
// be Shift-JIS) as U+FFFD, control characters as their pictures (U+2401 for U+0001), C1 controls
// as U+FFFD: a page an HTML parser reads without a single error.
std::string Escaped(std::string_view text) {
    const std::string utf8 = content::DecodeText(text, "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto b = static_cast<unsigned char>(c);
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c == '\'') {
            out += "&#39;";
        } else if ((b < 0x20 && c != '\t' && c != '\n' && c != '\r') || b == 0x7F) {
            out += "\xE2\x90";
            out += static_cast<char>(b == 0x7F ? 0xA1 : 0x80 + b);
        } else if (b == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// A heading or label in both languages: Japanese, then English in a lighter span.
std::string Both(std::string_view japanese, std::string_view english) {
    return std::string(japanese) + " <span class=\"en\" lang=\"en\">" + std::string(english) +
           "</span>";
}

// A local path as a file: URL, every byte but the unreserved ones and '/' percent-encoded.
std::string FileUrl(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
            std::string_view("-._~/").find(c) != std::string_view::npos) {
            url += c;
        } else {
            url += '%';
            url += kHex[b >> 4];
            url += kHex[b & 0xF];
        }
    }
    return url;
}

bool IsListFile(std::string_view file) {
    for (const char* name :
         {content::kTreeFile, content::kHtmlFile, content::kButtonFile, content::kInitFile})
        if (file == name)
            return true;
    return false;
}

// Where a finding's file lies: a list file in the program directory, anything else (a page, a
// button file as button.txt writes it) below the content directory.
std::string PathOf(const DiscReport& report, std::string file) {
    if (IsListFile(file))
        return report.programDir + file;
    for (char& c : file)
        if (c == '\\')
            c = '/';
    return report.htmlDir + file;
}

std::string SeverityText(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return Both("エラー", "error");
    case Severity::Warning:
        return Both("警告", "warning");
    case Severity::Note:
        return Both("参考", "note");
    }
    return "";
}

void AppendSummary(const DiscReport& report, std::string& out) {
    const std::array<std::size_t, 3> counts = report.Counts();
    out += "<section id=\"summary\">\n<h2>" + Both("概要", "Summary") + "</h2>\n<table>\n";
    const auto row = [&](const std::string& label, std::size_t n) {
        out +=
            "<tr><th>" + label + "</th><td class=\"number\">" + std::to_string(n) + "</td></tr>\n";
    };
    row(Both("エラー", "Errors"), counts[0]);
    row(Both("警告", "Warnings"), counts[1]);
    row(Both("参考", "Notes"), counts[2]);
    if (report.silenced)
        row(Both("除外した指摘", "Silenced"), *report.silenced);
    out += "</table>\n<dl>\n";
    const auto item = [&](const std::string& label, const std::string& text) {
        out += "<dt>" + label + "</dt><dd>" + Escaped(text) + "</dd>\n";
    };
    if (report.image)
        item(Both("ディスクイメージ", "Disc image"), *report.image);
    item(Both("プログラムのフォルダ", "Program directory"), report.programDir);
    item(Both("コンテンツのフォルダ", "Content directory"), report.htmlDir);
    item(Both("号の表示", "Issue label"), InfoText(report));
    item(Both("読み込み", "Load"), LoadText(report));
    item(Both("起動時の表示", "Start"), StartText(report));
    out += "</dl>\n</section>\n";
}

void AppendGroupHeading(const DiscReport& report, const std::string& file, std::size_t count,
                        std::string& out) {
    out += "<h3>";
    if (file.empty())
        out += Both("ディスク全体", "The whole disc");
    else if (report.image)
        out += "<code>" + Escaped(file) + "</code>";
    else
        out += "<a href=\"" + Escaped(FileUrl(PathOf(report, file))) + "\"><code>" + Escaped(file) +
               "</code></a>";
    out += " (" + std::to_string(count) + ")</h3>\n<table>\n<thead><tr><th>" + Both("行", "Line") +
           "</th><th>" + Both("桁", "Column") + "</th><th>" + Both("重要度", "Severity") +
           "</th><th>" + Both("内容", "Message") + "</th><th>" + Both("コード", "Code") +
           "</th></tr></thead>\n<tbody>\n";
}

void AppendFindings(const DiscReport& report, std::string& out) {
    out += "<section id=\"findings\">\n<h2>" + Both("指摘", "Findings") + "</h2>\n";
    if (report.problems.empty())
        out += "<p>" + Both("指摘はありません。", "No findings.") + "</p>\n";
    const Findings& all = report.problems;
    for (std::size_t i = 0; i < all.size();) {
        std::size_t end = i;
        while (end < all.size() && all[end].file == all[i].file)
            ++end;
        AppendGroupHeading(report, all[i].file, end - i, out);
        for (; i < end; ++i) {
            const Finding& f = all[i];
            out += "<tr class=\"" + std::string(SeverityName(f.severity)) +
                   "\"><td class=\"number\">" + LineText(f) + "</td><td class=\"number\">" +
                   ColumnText(f) + "</td><td class=\"severity\">" + SeverityText(f.severity) +
                   "</td><td>" + Escaped(f.message) + "</td><td><code>" + Escaped(f.code) +
                   "</code></td></tr>\n";
        }
        out += "</tbody>\n</table>\n";
    }
    out += "</section>\n";
}

} // namespace

std::string HtmlReport(const DiscReport& report) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<title>quilcd-check: ディスクの検査結果 (Disc check report)</title>\n"
                      "<style>";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n<h1>" + Both("ディスクの検査結果", "Disc check report") +
           "</h1>\n";
    AppendSummary(report, out);
    AppendFindings(report, out);
    out += "</body>\n</html>\n";
    return out;
}

} // namespace check
