#pragma once

// Discs no editor should make, shared by the tests that prove neither the browser nor the disc
// checker crashes, hangs or starts anything but the named file on them. Each builder lays its
// disc out under a root holding menu/ and _html/; it replaces the list files and the content
// directory that were there and leaves anything else in menu/ (the program) alone.

#include "content/tests/old_media_files.h"
#include "tests/support/files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hostile_discs {

namespace fs = std::filesystem;

// Writes bytes to a path relative to the disc root, making its directories.
inline void Write(const fs::path& root, const fs::path& relative, std::string_view bytes) {
    testkit::WriteFile(root / relative, bytes);
}

// The lines as an editor on Windows saves them: each ended by CR LF.
inline std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Removes the four list files (whatever they are) and the content directory, and makes an empty
// content directory.
inline void ClearContent(const fs::path& root) {
    for (const char* name : {"tree.txt", "html.txt", "button.txt", "init.txt"})
        fs::remove_all(root / "menu" / name);
    fs::remove_all(root / "_html");
    fs::create_directories(root / "menu");
    fs::create_directories(root / "_html");
}

// A small sound disc for the builders below to break in one way each: a group (tree.txt line 1)
// with two pages (lines 2 and 3) that exist, the first with a button file.
inline void WriteSmallDisc(const fs::path& root) {
    ClearContent(root);
    Write(root, "menu/tree.txt", CrLf({"Group", "\tFirst page", "\tSecond page"}));
    Write(root, "menu/html.txt", CrLf({"", "p.htm", "q.htm"}));
    Write(root, "menu/button.txt", CrLf({"", "b.txt", ""}));
    Write(root, "menu/init.txt", CrLf({"Hostile disc"}));
    Write(root, "_html/p.htm", "<html><body>first</body></html>");
    Write(root, "_html/q.htm", "<html><body>second</body></html>");
    Write(root, "_html/b.txt", CrLf({"Open the page", "q.htm"}));
}

// ---- Size ----

// A tree.txt of at least 100 MB in lines of about 100 bytes: a group heading every hundred lines,
// entries below it. button.txt is missing, so the load stops after the tree: the lists stay empty
// and the start reports the list index error.
inline constexpr std::size_t kHugeTreeBytes = 100'000'000;

inline void HugeTree(const fs::path& root) {
    ClearContent(root);
    std::string tree;
    tree.reserve(kHugeTreeBytes + 200);
    const std::string entry = "\tEntry " + std::string(90, 'x') + "\r\n";
    for (std::size_t i = 0; tree.size() < kHugeTreeBytes; ++i)
        tree += i % 100 == 0 ? "Group " + std::to_string(i / 100) + "\r\n" : entry;
    Write(root, "menu/tree.txt", tree);
    Write(root, "menu/html.txt", CrLf({"", "p.htm"}));
    Write(root, "menu/init.txt", CrLf({"Huge tree"}));
    Write(root, "_html/p.htm", "<html><body>page</body></html>");
}

// A million short tree.txt lines in groups of two (a heading and its entry, so half a million
// groups to open), with html.txt and button.txt of a million lines each. One entry in a thousand
// has a page and a button file; the first is node 1, selected at start.
inline constexpr int kMillionLines = 1'000'000;
inline constexpr int kMillionGroupSize = 2;

inline void MillionLines(const fs::path& root) {
    ClearContent(root);
    std::string tree, html, button;
    for (int i = 0; i < kMillionLines; ++i) {
        const bool heading = i % kMillionGroupSize == 0;
        const bool page = i % 1000 == 1;
        tree += heading ? "Group\r\n" : "\tEntry\r\n";
        html += page ? "p.htm\r\n" : "\r\n";
        button += page ? "b.txt\r\n" : "\r\n";
    }
    Write(root, "menu/tree.txt", tree);
    Write(root, "menu/html.txt", html);
    Write(root, "menu/button.txt", button);
    Write(root, "menu/init.txt", CrLf({"A million lines"}));
    Write(root, "_html/p.htm", "<html><body>page</body></html>");
    Write(root, "_html/b.txt", CrLf({"Page", "p.htm", "Again", "p.htm"}));
}

// ---- Shape ----

// Each tree.txt line one level deeper than the one before, kDeepLevels levels in all. Only the
// deepest node has a page (and a button file), so it is the one selected at start.
inline constexpr int kDeepLevels = 3'000;

inline std::string DeepTreeText() {
    std::string tree;
    for (int level = 0; level < kDeepLevels; ++level)
        tree += std::string(static_cast<std::size_t>(level), '\t') + "Level " +
                std::to_string(level) + "\r\n";
    return tree;
}

inline void Deep(const fs::path& root) {
    ClearContent(root);
    std::string emptyLines;
    for (int i = 1; i < kDeepLevels; ++i)
        emptyLines += "\r\n";
    Write(root, "menu/tree.txt", DeepTreeText());
    Write(root, "menu/html.txt", emptyLines + "deep.htm\r\n");
    Write(root, "menu/button.txt", emptyLines + "deep.txt\r\n");
    Write(root, "menu/init.txt", CrLf({"Deep tree"}));
    Write(root, "_html/deep.htm", "<html><body>the deepest page</body></html>");
    Write(root, "_html/deep.txt", CrLf({"Deepest", "deep.htm"}));
}

// The deep tree, then a line back at level 0 and one indented two levels below it: the level
// error on tree.txt line kDeepLevelErrorLine (1-based).
inline constexpr int kDeepLevelErrorLine = kDeepLevels + 2;

inline void DeepWithLevelError(const fs::path& root) {
    Deep(root);
    Write(root, "menu/tree.txt", DeepTreeText() + "Back at the top\r\n\t\tTwo levels down\r\n");
}

// ---- Bytes ----

// Lines of random bytes from a fixed seed (anything but NUL, CR and LF), ended by CR LF, a lone
// CR or a lone LF at random.
class RandomLines final {
public:
    explicit RandomLines(std::mt19937& random) : m_random(random) {}

    std::string Bytes(std::size_t length) {
        std::string bytes;
        while (bytes.size() < length) {
            const char c = static_cast<char>(1 + m_random() % 255);
            if (c != '\r' && c != '\n')
                bytes += c;
        }
        return bytes;
    }

    // Appends a line to the file's text. An empty line after a lone CR must not end in a lone
    // LF: the two would be one CR LF, and a line would be lost.
    void Append(std::string& text, const std::string& line) {
        static constexpr const char* kEnds[] = {"\r\n", "\r", "\n"};
        std::string end = kEnds[m_random() % 3];
        if (line.empty() && end == "\n" && !text.empty() && text.back() == '\r')
            end = "\r\n";
        text += line + end;
    }

private:
    std::mt19937& m_random;
};

// Random bytes in every list file, kRandomLines lines in each (the lists thus match the tree).
// tree.txt's indentation is random too but never deeper than one level below the line before,
// so that the whole file is read and html.txt and button.txt with it: their lines are random
// bytes, pages and button files that do not exist.
inline constexpr unsigned kRandomSeed = 20'240'611;
inline constexpr int kRandomLines = 3'000;

inline void RandomBytes(const fs::path& root) {
    ClearContent(root);
    std::mt19937 random(kRandomSeed);
    RandomLines lines(random);
    std::string tree, html, button, init;
    unsigned level = 0;
    for (int i = 0; i < kRandomLines; ++i) {
        level = i == 0 ? 0 : random() % (level + 2);
        std::string line;
        for (unsigned blank = 0; blank < level; ++blank)
            line += random() % 2 ? '\t' : ' ';
        std::string text = lines.Bytes(random() % 40);
        // The text begins after the indentation: a blank there would be one more level.
        if (!text.empty() && (text[0] == '\t' || text[0] == ' '))
            text[0] = 'x';
        lines.Append(tree, line + text);
        lines.Append(html, lines.Bytes(random() % 60));
        lines.Append(button, lines.Bytes(random() % 60));
    }
    for (int i = 0; i < 5; ++i)
        lines.Append(init, lines.Bytes(random() % 300));
    Write(root, "menu/tree.txt", tree);
    Write(root, "menu/html.txt", html);
    Write(root, "menu/button.txt", button);
    Write(root, "menu/init.txt", init);
}

// Bytes that are not Shift-JIS in every list file and in a button file: single bytes that are
// no character (0x80, 0xA0, 0xFD to 0xFF), a lead byte at the end of a line, a lead byte before
// a byte that cannot follow it. They lie in tree.txt lines 1 to 3, html.txt and button.txt lines
// 2 and 4, init.txt line 1 and both lines of the button file b.txt; tree.txt line 4 is valid
// (ソフト, whose first character ends in 0x5C).

inline void InvalidShiftJis(const fs::path& root) {
    ClearContent(root);
    Write(root, "menu/tree.txt",
          CrLf({"\xFF\xFE\x80 group", "\tlead byte at the end \x81", "\tbad second byte \x81\x7F",
                "\tvalid \x83\x5C\x83t\x83g"}));
    // Node 1 has the first page line, which names no file; node 2's page exists.
    Write(root, "menu/html.txt", CrLf({"", "p\x80.htm", "p.htm", "\xFC"}));
    Write(root, "menu/button.txt", CrLf({"", "b\xA0.txt", "b.txt", "\x81"}));
    Write(root, "menu/init.txt", CrLf({"\xFF\xFE\xFD issue \x81"}));
    Write(root, "_html/p.htm", "<html><body>page</body></html>");
    Write(root, "_html/b.txt", CrLf({"\xFF caption \x81", "\x80target\xFE"}));
}

// A tree.txt saved with LF CR line ends: each of its kLfCrEntries lines is followed by an empty
// line that the CR makes, the first of them line 2. button.txt is missing, so the lists stay
// empty.
inline constexpr int kLfCrEntries = 200'000;

inline void LfCrLineEnds(const fs::path& root) {
    ClearContent(root);
    std::string tree;
    for (int i = 0; i < kLfCrEntries; ++i)
        tree += "entry\n\r";
    Write(root, "menu/tree.txt", tree);
    Write(root, "menu/html.txt", CrLf({"p.htm"}));
    Write(root, "menu/init.txt", CrLf({"LF CR"}));
}

// A NUL in the middle of tree.txt line 1: the browser sees one node, "Cover".
inline void NulInTree(const fs::path& root) {
    WriteSmallDisc(root);
    constexpr char kTree[] = "Cover\0 after the NUL\r\n\tlost child\r\nlost group\r\n";
    Write(root, "menu/tree.txt", std::string_view(kTree, sizeof kTree - 1));
    Write(root, "menu/html.txt", CrLf({"p.htm", "", ""}));
    Write(root, "menu/button.txt", CrLf({"b.txt", "", ""}));
}

// ---- Old media ----

// Flash movies and MIDI music that no player should choke on, on both pages of the small disc in
// every form a page of the day used: corrupted (bytes flipped after the header), truncated,
// random bytes under the right name, and 100 MB ones.
inline constexpr std::size_t kHugeMediaBytes = 100'000'000;

inline void BrokenMedia(const fs::path& root) {
    WriteSmallDisc(root);
    std::mt19937 random(kRandomSeed);
    std::string noise(256 * 1024, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    const auto corrupted = [](std::string bytes) {
        for (std::size_t i = 12; i < bytes.size(); i += 3)
            bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
        return bytes;
    };
    const std::string movie = old_media_files::FlashMovie(200, 100, {0, 0, 255}, {255, 0, 0});
    const std::string song = old_media_files::MidiSong();
    const std::pair<const char*, std::string> files[] = {
        {"corrupted.swf", corrupted(movie)},
        {"truncated.swf", movie.substr(0, movie.size() / 2)},
        {"random.swf", noise},
        {"corrupted.mid", corrupted(song)},
        {"truncated.mid", song.substr(0, song.size() / 2)},
        {"random.mid", noise},
    };
    std::string page = "<html><body>";
    for (const auto& [name, bytes] : files) {
        Write(root, std::string("_html/media/") + name, bytes);
        page += std::string("<embed src=\"media/") + name + "\" width=\"120\" height=\"60\">";
    }
    // The huge ones: a movie whose header claims all of it, music after which 100 MB follow.
    std::string huge = movie;
    huge.resize(kHugeMediaBytes, '\0');
    huge.replace(4, 4, old_media_files::U32(static_cast<std::uint32_t>(kHugeMediaBytes)));
    Write(root, "_html/media/huge.swf", huge);
    huge.replace(0, song.size(), song);
    Write(root, "_html/media/huge.mid", huge);
    huge.clear();
    huge.shrink_to_fit();
    Write(root, "_html/p.htm",
          page + "<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" width=\"120\" "
                 "height=\"60\"><param name=\"movie\" value=\"media/huge.swf\"></object>"
                 "<bgsound src=\"media/huge.mid\" loop=\"infinite\"></body></html>");
    Write(root, "_html/q.htm",
          "<html><body><embed src=\"media/random.swf\" width=\"120\" height=\"60\">"
          "<bgsound src=\"media/corrupted.mid\" loop=\"infinite\"><embed src=\"media/random.mid\" "
          "hidden=\"true\" autostart=\"true\"></body></html>");
}

// ---- File system ----

// A directory where tree.txt should be, with a file inside it.
inline void TreeIsDirectory(const fs::path& root) {
    WriteSmallDisc(root);
    fs::remove(root / "menu/tree.txt");
    Write(root, "menu/tree.txt/inside.txt", CrLf({"not the tree"}));
}

inline void MakeFifo(const fs::path& path) {
    if (::mkfifo(path.c_str(), 0644) != 0)
        throw std::runtime_error("mkfifo " + path.string() + ": " + std::strerror(errno));
}

// A FIFO that nobody writes to where html.txt should be: a reader that waits on it never ends.
inline void HtmlIsFifo(const fs::path& root) {
    WriteSmallDisc(root);
    fs::remove(root / "menu/html.txt");
    MakeFifo(root / "menu/html.txt");
}

// _html/loop is a symbolic link to itself. Node 1's page (html.txt line 2) and its button file
// (button.txt line 2) lie behind it; node 2's page is a plain file.
inline void SymlinkLoop(const fs::path& root) {
    WriteSmallDisc(root);
    Write(root, "menu/html.txt", CrLf({"", "loop\\page.htm", "q.htm"}));
    Write(root, "menu/button.txt", CrLf({"", "loop\\loop\\b.txt", ""}));
    fs::create_symlink("loop", root / "_html/loop");
}

// The small disc without its content directory: html.txt lines 2 and 3 name missing pages.
inline void MissingHtml(const fs::path& root) {
    WriteSmallDisc(root);
    fs::remove_all(root / "_html");
}

// ---- Button files ----

// One group with an entry per button file: files of 0, 1, 23, 24, 25 and 10,000 lines whose
// captions and targets are 2,000 bytes long, and a full file of twelve captions and targets of
// 4,000 bytes mixing ASCII, ampersands and Shift-JIS (能 ends in 0x5C). The targets name nothing.
inline constexpr int kButtonFileLengths[] = {0, 1, 23, 24, 25, 10'000};

inline std::string ButtonFileName(int lines) {
    return "b" + std::to_string(lines) + ".txt";
}

inline std::string LongButtonFile() {
    std::string caption, target;
    while (caption.size() < 4000)
        caption += "&A&&\x94\x5C\x83\x5C ";
    while (target.size() < 4000)
        target += "..\\\x94\x5C\\dir ";
    std::vector<std::string> lines;
    for (int i = 0; i < 12; ++i) {
        lines.push_back(std::to_string(i) + caption);
        lines.push_back(target + std::to_string(i) + ".exe");
    }
    return CrLf(lines);
}

inline void ButtonFiles(const fs::path& root) {
    ClearContent(root);
    std::vector<std::string> tree{"Button files"}, html{""}, button{""};
    for (int lines : kButtonFileLengths) {
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += (i % 2 == 0 ? "caption " + std::to_string(i) + " " + std::string(1990, 'c')
                                : "none\\target " + std::to_string(i) + std::string(1990, 't')) +
                    "\r\n";
        Write(root, fs::path("_html") / ButtonFileName(lines), text);
        tree.push_back("\t" + std::to_string(lines) + " lines");
        html.push_back("p.htm");
        button.push_back(ButtonFileName(lines));
    }
    Write(root, "_html/long.txt", LongButtonFile());
    tree.push_back("\tlong captions and targets");
    html.push_back("p.htm");
    button.push_back("long.txt");
    Write(root, "menu/tree.txt", CrLf(tree));
    Write(root, "menu/html.txt", CrLf(html));
    Write(root, "menu/button.txt", CrLf(button));
    Write(root, "menu/init.txt", CrLf({"Button files"}));
    Write(root, "_html/p.htm", "<html><body>page</body></html>");
}

// ---- Launch ----

// A launch target as the button file writes it (Shift-JIS, backslashes) and the script it
// names, relative to _html (UTF-8, as the file system holds the names).
struct LaunchTarget {
    std::string line;
    fs::path script;
};

// Names a shell, a URL parser or an option parser would act on. A newline cannot be part of a
// line, so no target holds one.
inline std::vector<LaunchTarget> LaunchTargets() {
    return {
        {"dir with spaces\\run me.sh", "dir with spaces/run me.sh"},
        {"quote\"double'single.sh", "quote\"double'single.sh"},
        {"semi;touch PWNED;.sh", "semi;touch PWNED;.sh"},
        {"$(touch PWNED).sh", "$(touch PWNED).sh"},
        {"`touch PWNED`.sh", "`touch PWNED`.sh"},
        {"-e touch PWNED.sh", "-e touch PWNED.sh"},
        // ソフト\表示.sh: both ソ and 表 end in 0x5C, which is no separator inside them.
        {"\x83\x5C\x83t\x83g\\\x95\x5C\x8E\xA6.sh", "ソフト/表示.sh"},
        {"a&b|c>PWNED<d*?.sh", "a&b|c>PWNED<d*?.sh"},
        {"q?x=1#frag%20.sh", "q?x=1#frag%20.sh"},
        {"tab\there and a trailing space.sh ", "tab\there and a trailing space.sh "},
        // 日本語 $(touch PWNED)\起動.sh
        {"\x93\xFA\x96\x7B\x8C\xEA $(touch PWNED)\\\x8B\x4E\x93\xAE.sh",
         "日本語 $(touch PWNED)/起動.sh"},
        {"*.sh", "*.sh"},
    };
}

// What a launch target's script leaves in its working directory: a file named after itself, to
// which each run adds the line "ran".
inline fs::path LaunchMarker(const fs::path& script) {
    return script.parent_path() / (script.filename().string() + ".ran");
}

// One page, selected at start, whose twelve launch buttons name the targets above in order;
// each is an executable script that only writes to its marker.
inline void LaunchDisc(const fs::path& root) {
    ClearContent(root);
    Write(root, "menu/tree.txt", CrLf({"Launchers"}));
    Write(root, "menu/html.txt", CrLf({"launch.htm"}));
    Write(root, "menu/button.txt", CrLf({"launch.txt"}));
    Write(root, "menu/init.txt", CrLf({"Launch disc"}));
    Write(root, "_html/launch.htm",
          "<html><body style=\"background: #ffffff\">twelve launchers</body></html>");
    std::vector<std::string> buttons;
    int i = 0;
    for (const LaunchTarget& target : LaunchTargets()) {
        buttons.push_back("Launch " + std::to_string(i++));
        buttons.push_back(target.line);
        const fs::path script = root / "_html" / target.script;
        Write(root, fs::path("_html") / target.script,
              "#!/bin/sh\necho ran >> \"${0##*/}.ran\"\n"); // quoted: the name is no command
        fs::permissions(script, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    }
    Write(root, "_html/launch.txt", CrLf(buttons));
}

} // namespace hostile_discs
