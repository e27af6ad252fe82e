#pragma once

// Pages no editor should make, for the checker's hostile-disc test: each disc lists one page,
// index.htm, and the page leads to the rest.

#include "content/tests/hostile_discs.h"

#include <random>
#include <string>

namespace hostile_pages {

namespace fs = std::filesystem;
using hostile_discs::Write;

inline constexpr int kManyLinks = 100'000;
inline constexpr int kFrameDepth = 300;
inline constexpr std::size_t kHugePageBytes = 100u << 20;

inline void OnePageDisc(const fs::path& root, const std::string& index) {
    Write(root, "menu/tree.txt", "Page\r\n");
    Write(root, "menu/html.txt", "index.htm\r\n");
    Write(root, "menu/button.txt", "\r\n");
    Write(root, "menu/init.txt", "1999\r\n");
    Write(root, "_html/index.htm", index);
    Write(root, "_html/good.htm", "<p>good</p>");
}

// 100 MB of paragraphs, a good link in every hundredth; one broken link on the last line.
inline void HugePage(const fs::path& root) {
    const std::string paragraph = "<P>A paragraph of a home page of the time, long as they were, "
                                  "with <B>bold</B> words and <FONT COLOR=red>colour</FONT>.\r\n";
    const std::string linked = "<P><A HREF=good.htm>A link to a good page</A>.\r\n";
    std::string page;
    page.reserve(kHugePageBytes + 1000);
    for (int i = 0; page.size() < kHugePageBytes; ++i)
        page += i % 100 == 0 ? linked : paragraph;
    page += "<a href=\"broken.htm\">last</a>\r\n";
    OnePageDisc(root, page);
}

// 10^5 links on one line, then one broken link on line 2.
inline void ManyLinks(const fs::path& root) {
    std::string page;
    for (int i = 0; i < kManyLinks; ++i)
        page += "<a href=good.htm>" + std::to_string(i) + "</a>";
    OnePageDisc(root, page + "\r\n<a href=broken.htm>x</a>");
}

// Frames in frames, 300 deep, each loading the first page again; the deepest has a broken
// picture.
inline void DeepFrameCycle(const fs::path& root) {
    OnePageDisc(root, "<frameset><frame src=\"f1.htm\"></frameset>");
    for (int i = 1; i < kFrameDepth; ++i)
        Write(root, "_html/f" + std::to_string(i) + ".htm",
              "<frameset><frame src=\"f" + std::to_string(i + 1) +
                  ".htm\"><frame src=\"index.htm\"></frameset>");
    Write(root, "_html/f" + std::to_string(kFrameDepth) + ".htm",
          "<iframe src=index.htm></iframe>\r\n<img src=broken.gif>");
}

// Bytes that are not Shift-JIS before a broken link; a linked page with NUL bytes; a linked
// binary file without any; a FIFO and a symbolic link loop named like pages.
inline void BadBytesAndOddFiles(const fs::path& root) {
    OnePageDisc(root, "\xFF\x80\xFD<p>\x81\r\n<a href=broken.htm>x</a>\r\n"
                      "<a href=nul.htm>n</a><a href=random.htm>r</a><a href=fifo.htm>f</a>"
                      "<a href=loop.htm>l</a>\r\n");
    Write(root, "_html/nul.htm", std::string("<a href=\"a\0b.htm\">", 18));
    std::mt19937 random(11);
    std::string bytes(1 << 16, ' ');
    for (char& c : bytes)
        c = static_cast<char>(1 + random() % 255);
    Write(root, "_html/random.htm", bytes);
    hostile_discs::MakeFifo(root / "_html/fifo.htm");
    fs::create_symlink("loop.htm", root / "_html/loop.htm");
}

// A page of <div> elements nested 200,000 deep.
inline void DeepNesting(const fs::path& root) {
    std::string page;
    for (int i = 0; i < 200'000; ++i)
        page += "<div>";
    OnePageDisc(root, page);
}

} // namespace hostile_pages
