#include "skin_test_support.h"
#include "tests/support/child_process.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace skin {
namespace {

using testing::LoadSkin;

// The painter's exit status, -1 when it was ended by a signal or still ran after a minute; what
// it tells on its standard error goes into `log`.
int RunPainter(const std::vector<std::string>& arguments, const std::filesystem::path& log) {
    std::vector<std::string> argv{QUILCD_PAINT_ASSETS};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const std::optional<testkit::ExitStatus> status = testkit::RunToEnd(
        {argv, testkit::EnvironmentWith({}, {}), log, -1}, std::chrono::minutes(1));
    return status && status->exited ? status->code : -1;
}

// The resource holds the pictures of one build; a second run must paint the same pixels, or
// the look would change from build to build.
TEST(Painter, PaintsTheSamePicturesOnEveryRun) {
    const testkit::TempDir out;
    ASSERT_EQ(RunPainter({out.str("skin")}, out.path() / "painter.log"), 0)
        << testkit::ReadFile(out.path() / "painter.log");
    const QDir painted(QString::fromStdString(out.str("skin")));

    std::vector<const char*> files{kBackgroundFile, kCreditFile, kIconFile, kExpandedMarkFile,
                                   kCollapsedMarkFile};
    for (const GlyphRule& rule : kGlyphs) {
        files.push_back(rule.file);
    }
    for (const int scale : kScales) {
        for (const char* file : files) {
            const QString name = ScaledFile(file, scale);
            SCOPED_TRACE(name.toStdString());
            const QImage again = QImage(painted.filePath(name));
            const QImage built = LoadSkin(ResourcePath(file, scale));
            ASSERT_FALSE(again.isNull());
            EXPECT_EQ(again.convertToFormat(QImage::Format_ARGB32),
                      built.convertToFormat(QImage::Format_ARGB32));
        }
    }
    EXPECT_TRUE(QFile::exists(painted.filePath(QStringLiteral("skin.qrc"))));
}

TEST(Painter, FailsWithoutAWritableDirectory) {
    const testkit::TempDir out;
    EXPECT_EQ(RunPainter({}, out.path() / "painter.log"), 2) << "no directory given";
    const std::filesystem::path blocker = out.write("file", "");
    EXPECT_EQ(RunPainter({(blocker / "skin").string()}, out.path() / "painter.log"), 1)
        << "a file in the way";
}

} // namespace
} // namespace skin
