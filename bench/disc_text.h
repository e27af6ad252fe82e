#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// Made-up disc content for the benchmarks: sizes far beyond any real cover disc, shaped like one.
namespace bench_disc {

// Lines of 0 to 14 printable bytes, each ended by CR LF, until the text holds `bytes` bytes.
// Deterministic, so every run measures the same text.
std::string ShortLines(std::size_t bytes);

// tree.txt of `nodes` lines: headings of ten sub-groups of up to nine entries, three levels; every
// node text is a Shift-JIS title of 14 to 19 bytes, most of them too long for a std::string to
// hold without a heap block, like a real title.
std::string TreeText(int nodes);
// html.txt with one page per node, "pages\NNNNNNN.htm".
std::string HtmlText(int nodes);
// button.txt with a button file for every tenth node, the other lines empty.
std::string ButtonText(int nodes);
// The page line of node n, as HtmlText writes it.
std::string PageLine(int n);

// A disc laid out in a fresh temporary directory (menu/ and _html/ beside it), removed again
// when the object goes.
class TempDisc final {
public:
    explicit TempDisc(int nodes);
    ~TempDisc();
    TempDisc(const TempDisc&) = delete;
    TempDisc& operator=(const TempDisc&) = delete;

    std::string ProgramDir() const { return (m_root / "menu").string() + "/"; }
    std::string HtmlDir() const { return (m_root / "_html").string() + "/"; }

private:
    void Write(const std::string& relative, const std::string& bytes) const;
    std::filesystem::path m_root;
};

} // namespace bench_disc
