#include "platform/shell_open.h"

#include "platform/start_environment.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace {
using namespace std::chrono_literals;

class ShellOpen : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetDesktopOpenerForTesting([this](const QUrl& url) { m_opened.push_back(url); });
        // As the program starts: the reader's environment is kept, then the program sets the
        // scale it draws at for itself. What it starts must not inherit that scale.
        qunsetenv("QT_SCALE_FACTOR");
        platform::KeepStartEnvironment();
        qputenv("QT_SCALE_FACTOR", "0.9");
    }
    void TearDown() override {
        platform::SetDesktopOpenerForTesting({});
        qputenv("PATH", m_path);
        qunsetenv("QT_SCALE_FACTOR");
    }

    static void Write(const QString& path, const QByteArray& bytes,
                      QFile::Permissions permissions) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();
        ASSERT_TRUE(file.setPermissions(permissions));
    }

    // A path in a folder of the test's own.
    QString Path(const QString& name = {}) const {
        return QString::fromStdString(m_dir.str(name.toStdString()));
    }

    const testkit::TempDir m_dir;
    std::vector<QUrl> m_opened;
    const QByteArray m_path = qgetenv("PATH");
};

// Every character here means something to a shell; none of it may be acted on.
const QString kHostileName =
    QStringLiteral("-launch 'single' \"double\";\n$(touch x) `touch x` 起動.sh");

TEST_F(ShellOpen, StartsExactlyThatExecutableInTheWorkingDirectoryWithoutAShell) {
    const QString scriptDir = Path(QStringLiteral("scripts 日本"));
    const QString workDir = Path(QStringLiteral("work dir; $(touch x)"));
    ASSERT_TRUE(QDir().mkpath(scriptDir));
    ASSERT_TRUE(QDir().mkpath(workDir));
    const QString script = scriptDir + QLatin1Char('/') + kHostileName;
    // Records its argument count, the path it was started by and the scale factor it was given,
    // in its working directory.
    Write(script,
          "#!/bin/sh\nprintf '%s\\n%s\\n%s' \"$#\" \"$0\" \"${QT_SCALE_FACTOR-unset}\" > "
          "launched.tmp && mv launched.tmp launched.txt\n",
          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    platform::ShellOpenFile(script, workDir);

    const QString marker = workDir + QStringLiteral("/launched.txt");
    testkit::WaitFor([&] { return QFileInfo::exists(marker); }, 10s);
    QFile record(marker);
    ASSERT_TRUE(record.open(QIODevice::ReadOnly)) << "the script did not run in its directory";
    EXPECT_EQ(record.readAll().toStdString(), "0\n" + script.toStdString() + "\nunset");
    EXPECT_FALSE(QFileInfo::exists(scriptDir + QStringLiteral("/launched.txt")));
    for (const QString& dir : {workDir, scriptDir, Path(), QDir::currentPath()}) {
        EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/x")))
            << "a shell ran in " << dir.toStdString();
    }
    EXPECT_TRUE(m_opened.empty());
}

// Anything else goes to the desktop's opener, xdg-open, started without a shell in the given
// working directory with the file's address as its one argument; a web or mail address too, in
// the program's own directory. A stand-in on PATH records where it was started, what it was
// given and the scale factor in its environment.
TEST_F(ShellOpen, HandsEverythingElseToXdgOpenInTheWorkingDirectory) {
    platform::SetDesktopOpenerForTesting({});
    const QString bin = Path(QStringLiteral("bin"));
    const QString record = Path(QStringLiteral("xdg-open.txt"));
    ASSERT_TRUE(QDir().mkpath(bin));
    Write(bin + QStringLiteral("/xdg-open"),
          "#!/bin/sh\n{ pwd -P; printf '%s\\n' \"${QT_SCALE_FACTOR-unset}\" \"$#\" \"$@\"; } > '" +
              record.toUtf8() + ".tmp' && mv '" + record.toUtf8() + ".tmp' '" + record.toUtf8() +
              "'\n",
          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin) + ':' + m_path);
    const QString workDir = Path(QStringLiteral("work dir; $(touch x)"));
    ASSERT_TRUE(QDir().mkpath(workDir));

    enum class Kind { File, Folder, Missing, Address };
    struct Case {
        const char* what;
        QString name;
        Kind kind;
    };
    const Case cases[] = {
        {"document", QStringLiteral("read me #1? 100% 日本語.txt"), Kind::File},
        {"script without execute permission", kHostileName, Kind::File},
        {"folder", QStringLiteral("folder; `touch x`"), Kind::Folder},
        {"path that does not exist", QStringLiteral("no such program.exe"), Kind::Missing},
        {"web address", QStringLiteral("http://www.quillore.example/a b?x=$(touch x)"),
         Kind::Address},
        {"mail address", QStringLiteral("mailto:editor@quillore.example?subject=%93%C7"),
         Kind::Address},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString target = Path(c.name);
        if (c.kind == Kind::File) {
            Write(target, "#!/bin/sh\ntouch ran\n", QFile::ReadOwner | QFile::WriteOwner);
        } else if (c.kind == Kind::Folder) {
            ASSERT_TRUE(QDir().mkpath(target));
        }
        QFile::remove(record);

        const QUrl address = c.kind == Kind::Address ? QUrl(c.name) : QUrl::fromLocalFile(target);
        if (c.kind == Kind::Address)
            platform::ShellOpenAddress(address);
        else
            platform::ShellOpenFile(target, workDir);

        testkit::WaitFor([&] { return QFileInfo::exists(record); }, 10s);
        QFile recorded(record);
        ASSERT_TRUE(recorded.open(QIODevice::ReadOnly)) << "xdg-open was not started";
        const QString startedIn = c.kind == Kind::Address ? QDir::current().canonicalPath()
                                                          : QDir(workDir).canonicalPath();
        EXPECT_EQ(recorded.readAll().toStdString(),
                  (startedIn + QStringLiteral("\nunset\n1\n") +
                   address.toString(QUrl::FullyEncoded) + QStringLiteral("\n"))
                      .toStdString());
    }
    for (const QString& dir : {workDir, Path(), QDir::currentPath()}) {
        EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/x")))
            << "a shell ran in " << dir.toStdString();
    }
    EXPECT_TRUE(m_opened.empty());
}

} // namespace
