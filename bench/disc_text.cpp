#include "bench/disc_text.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace bench_disc {

std::string ShortLines(std::size_t bytes) {
    std::string text;
    text.reserve(bytes + 32);
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    while (text.size() < bytes) {
        const std::uint32_t length = next() % 15;
        for (std::uint32_t i = 0; i < length; ++i)
            text += static_cast<char>('!' + next() % 94);
        text += "\r\n";
    }
    return text;
}

std::string TreeText(int nodes) {
    std::string text;
    text.reserve(static_cast<std::size_t>(nodes) * 24);
    for (int i = 0; i < nodes; ++i) {
        // Headings at lines 0, 100, 200...; sub-groups at 1, 11, 21...; entries below them.
        const char* indent = i % 100 == 0 ? "" : (i % 10 == 1 ? "\t" : "\t\t");
        text += indent;
        text += "\x8B\x4C\x8E\x96 Article "; // "記事 ", a Shift-JIS title
        text += std::to_string(i);
        text += "\r\n";
    }
    return text;
}

std::string PageLine(int n) {
    char line[32];
    std::snprintf(line, sizeof line, "pages\\%07d.htm", n);
    return line;
}

std::string HtmlText(int nodes) {
    std::string text;
    text.reserve(static_cast<std::size_t>(nodes) * 20);
    for (int i = 0; i < nodes; ++i)
        text += PageLine(i) + "\r\n";
    return text;
}

std::string ButtonText(int nodes) {
    std::string text;
    for (int i = 0; i < nodes; ++i) {
        if (i % 10 == 5) {
            char line[32];
            std::snprintf(line, sizeof line, "buttons\\%07d.txt", i);
            text += line;
        }
        text += "\r\n";
    }
    return text;
}

TempDisc::TempDisc(int nodes) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quilcd-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::filesystem::filesystem_error("mkdtemp",
                                                std::make_error_code(std::errc::io_error));
    m_root = pattern;
    std::filesystem::create_directories(m_root / "menu");
    std::filesystem::create_directories(m_root / "_html");
    Write("menu/tree.txt", TreeText(nodes));
    Write("menu/html.txt", HtmlText(nodes));
    Write("menu/button.txt", ButtonText(nodes));
    Write("menu/init.txt", "2024 Vol.15 No.3\r\n");
}

TempDisc::~TempDisc() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

void TempDisc::Write(const std::string& relative, const std::string& bytes) const {
    std::ofstream(m_root / relative, std::ios::binary) << bytes;
}

} // namespace bench_disc
