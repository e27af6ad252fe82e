#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace skin {
namespace {

using testing::LoadSkin;

int RunPainter(const QStringList& arguments) {
    QProcess painter;
    painter.setProgram(QString::fromUtf8(QUILCD_PAINT_ASSETS));
    painter.setArguments(arguments);
    painter.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    painter.start();
    if (!painter.waitForFinished(60000) || painter.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return painter.exitCode();
}

// The resource holds the pictures of one build; a second run must paint the same pixels, or
// the look would change from build to build.
TEST(Painter, PaintsTheSamePicturesOnEveryRun) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_EQ(RunPainter({out.path()}), 0);

    std::vector<const char*> files{kBackgroundFile, kCreditFile, kIconFile, kExpandedMarkFile,
                                   kCollapsedMarkFile};
    for (const GlyphRule& rule : kGlyphs) {
        files.push_back(rule.file);
    }
    for (const int scale : kScales) {
        for (const char* file : files) {
            const QString name = ScaledFile(file, scale);
            SCOPED_TRACE(name.toStdString());
            const QImage again = QImage(QDir(out.path()).filePath(name));
            const QImage built = LoadSkin(ResourcePath(file, scale));
            ASSERT_FALSE(again.isNull());
            EXPECT_EQ(again.convertToFormat(QImage::Format_ARGB32),
                      built.convertToFormat(QImage::Format_ARGB32));
        }
    }
    EXPECT_TRUE(QFile::exists(QDir(out.path()).filePath(QStringLiteral("skin.qrc"))));
}

TEST(Painter, FailsWithoutAWritableDirectory) {
    EXPECT_EQ(RunPainter({}), 2) << "no directory given";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString blocker = QDir(out.path()).filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(RunPainter({blocker + QStringLiteral("/skin")}), 1) << "a file in the way";
}

} // namespace
} // namespace skin
