#include "app/common/disc_location.h"
#include "app/common/normalize_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using common::HtmlDirOf;
using common::NormalizePath;
using common::ProgramDirOf;

// The same case written with backslashes, as on the disc's original platform, and with slashes.
std::string Slashes(std::string s) {
    for (char& c : s)
        if (c == '\\')
            c = '/';
    return s;
}

struct Case {
    const char* argument;
    const char* result;
};

TEST(NormalizePath, ResolvesParentSegmentsOnEitherSeparator) {
    const Case cases[] = {
        {R"(D:\CD\)", R"(D:\CD\)"},
        {R"(D:\CD\..\_html\)", R"(D:\_html\)"},
        {R"(D:\\..\_html\)", R"(D:\_html\)"},
        {R"(A\B\..\C)", R"(A\C)"},
        {R"(D:\A\B\..\..\_html\)", R"(D:\_html\)"},
        {R"(D:\A\B\..\C\..\D)", R"(D:\A\D)"},
        {R"(D:\A\B..\C\)", R"(D:\C\)"},
        {R"(D:\A\...\x)", R"(D:\x)"},
        {R"(D:\A\.\..\x)", R"(D:\A\x)"},
        {R"(D:\A\..)", R"(D:\A\..)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormalizePath(c.argument, '\\'), c.result) << c.argument;
        EXPECT_EQ(NormalizePath(Slashes(c.argument), '/'), Slashes(c.result)) << c.argument;
    }
    // The other platform's separator has no meaning.
    EXPECT_EQ(NormalizePath("a/b/../c", '\\'), "a/b/../c");
    EXPECT_EQ(NormalizePath(R"(a\b\..\c)", '/'), R"(a\b\..\c)");
}

TEST(NormalizePath, TrailByteBackslashCounts) {
    // 0x95 0x5C is one double-byte character (表); here its second byte is a separator all the
    // same, so "A" + 0x95 counts as the component that ".." removes.
    const std::string path = "D:\\A\x95\\..\\x";
    EXPECT_EQ(NormalizePath(path, '\\'), "D:\\x");
}

TEST(NormalizePath, ReturnsThePathAsItStandsOutsideItsPrecondition) {
    // A "..<delim>" with fewer than two separators before it ends the resolving there.
    const Case cases[] = {
        {R"(..\x)", R"(..\x)"},
        {R"(A\..\x)", R"(A\..\x)"},
        {R"(D:\..\x)", R"(D:\..\x)"},
        {R"(\..\..\)", R"(\..\..\)"},
        {R"(D:\A\..\..\..\x)", R"(D:\..\..\x)"}, // one pass, then it stops
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormalizePath(c.argument, '\\'), c.result) << c.argument;
        EXPECT_EQ(NormalizePath(Slashes(c.argument), '/'), Slashes(c.result)) << c.argument;
    }
}

TEST(ProgramDir, CutsToTheDirectoryAndKeepsRoots) {
    const Case cases[] = {
        {R"(D:\CD\menu.exe)", R"(D:\CD\)"},
        {R"(D:\menu.exe)", R"(D:\\)"},
        {R"(\\server\share\menu.exe)", R"(\\server\share\)"},
        {"menu.exe", "\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgramDirOf(c.argument, '\\'), c.result) << c.argument;
        EXPECT_EQ(ProgramDirOf(Slashes(c.argument), '/'), Slashes(c.result)) << c.argument;
    }
    EXPECT_EQ(ProgramDirOf("/QuilCDBrowser", '/'), "/");
    EXPECT_EQ(ProgramDirOf("/cd//menu", '/'), "/cd///");
}

TEST(ProgramDir, SecondByteBackslashIsNoSeparator) {
    // "D:\表\menu.exe": 表 is 0x95 0x5C. The cut must fall before "menu.exe", not inside 表.
    const std::string exe = "D:\\\x95\\\\menu.exe";
    EXPECT_EQ(ProgramDirOf(exe, '\\'), "D:\\\x95\\\\");
    // "D:\表" + "menu.exe" without a separator: the only real one is after the colon.
    EXPECT_EQ(ProgramDirOf("D:\\\x95\\menu.exe", '\\'), "D:\\\\");
}

TEST(ProgramDir, Utf8PathsAreNotReadAsShiftJis) {
    // "あ" is E3 81 82 in UTF-8; read as Shift-JIS it would swallow the slash after it.
    EXPECT_EQ(ProgramDirOf("/cd/\xE3\x81\x82/menu", '/'), "/cd/\xE3\x81\x82/");
    EXPECT_EQ(ProgramDirOf("/cd/\xE3\x81/menu", '/'), "/cd/\xE3\x81/");
}

TEST(HtmlDir, IsTheDirectoryBesideTheProgramDirectory) {
    EXPECT_EQ(HtmlDirOf(R"(D:\CD\)", '\\'), R"(D:\_html\)");
    EXPECT_EQ(HtmlDirOf(R"(D:\\)", '\\'), R"(D:\_html\)");
    EXPECT_EQ(HtmlDirOf("/media/cdrom/menu/", '/'), "/media/cdrom/_html/");
}

TEST(RunningExecutable, NamesThisTestProgram) {
    const std::string exe = common::RunningExecutablePath();
    ASSERT_FALSE(exe.empty());
    EXPECT_NE(exe.find("common_tests"), std::string::npos) << exe;
}

} // namespace
