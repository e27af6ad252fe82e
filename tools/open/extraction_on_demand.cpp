#include "tools/open/extraction_on_demand.h"

#include "content/page_files.h"
#include "pageview/disc_file_provider.h"
#include "pageview/native_path.h"
#include "ui/unit1.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr int kPollMs = 20;
constexpr auto kQuietWait = std::chrono::milliseconds(400); // no window for a quick write
constexpr int kProgressSteps = 1000;

} // namespace

struct TOnDemandExtraction::Job {
    std::atomic<bool> done{false};
    std::atomic<std::uint64_t> bytes{0};
    std::string error;
    std::thread thread;
};

TOnDemandExtraction::TOnDemandExtraction(const disc_image::OpenedDisc& disc) : m_disc(disc) {
    if (!disc.cache || disc.cache->lazyFiles.empty())
        return;
    for (const disc_image::LazyFile& file : disc.cache->lazyFiles)
        m_byPath.emplace(disc.cache->discRoot + file.path, &file);
    SetDiscFileProvider([this](const std::string& path) { Provide(path); });
}

TOnDemandExtraction::~TOnDemandExtraction() {
    if (!m_byPath.empty())
        SetDiscFileProvider({});
}

std::vector<const disc_image::LazyFile*>
TOnDemandExtraction::Wanted(const std::string& nativePath) const {
    std::string path = nativePath;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        // A page may ask for SETUP.EXE where the disc holds setup.exe: the same rule as the view's.
        std::string root = m_disc.cache->discRoot;
        root.pop_back();
        path = content::FindPageFile(root, path);
        if (::stat(path.c_str(), &st) != 0)
            return {};
    }
    if (!S_ISDIR(st.st_mode)) {
        const auto found = m_byPath.find(path);
        if (found == m_byPath.end()) {
            char* real = ::realpath(path.c_str(), nullptr);
            const std::string resolved = real ? real : path;
            std::free(real);
            const auto linked = m_byPath.find(resolved);
            return linked == m_byPath.end() ? std::vector<const disc_image::LazyFile*>{}
                                            : std::vector{linked->second};
        }
        return {found->second};
    }
    // A folder opens with everything in it.
    char* real = ::realpath(path.c_str(), nullptr);
    std::string folder = real ? real : path;
    std::free(real);
    if (folder.back() != '/')
        folder += '/';
    std::vector<const disc_image::LazyFile*> files;
    for (auto it = m_byPath.lower_bound(folder);
         it != m_byPath.end() && it->first.compare(0, folder.size(), folder) == 0; ++it)
        files.push_back(it->second);
    return files;
}

void TOnDemandExtraction::Provide(const std::string& nativePath) {
    for (const disc_image::LazyFile* file : Wanted(nativePath))
        if (!disc_image::IsWritten(*m_disc.cache, *file))
            Write(*file);
}

void TOnDemandExtraction::Write(const disc_image::LazyFile& file) {
    // A page may ask for the same file again while it is being written (the wait below lets
    // events through): that request waits for the same job.
    std::shared_ptr<Job> job = m_running[file.path];
    const bool mine = !job;
    if (mine) {
        job = std::make_shared<Job>();
        m_running[file.path] = job;
        job->thread = std::thread([this, job, &file] {
            try {
                disc_image::WriteLazyFile(*m_disc.image, *m_disc.cache, file, &job->bytes);
            } catch (const std::exception& error) {
                job->error = error.what();
            }
            job->done = true;
        });
    }

    const auto started = std::chrono::steady_clock::now();
    std::unique_ptr<QProgressDialog> progress;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (job->done) {
            loop.quit();
            return;
        }
        if (!progress && std::chrono::steady_clock::now() - started >= kQuietWait) {
            const QString name = NativePathText(file.path.substr(file.path.rfind('/') + 1));
            progress = std::make_unique<QProgressDialog>(
                QStringLiteral("Extracting %1 from the disc image\u2026").arg(name), QString(), 0,
                kProgressSteps, QApplication::activeWindow());
            progress->setWindowTitle(QString::fromUtf8(kApplicationTitle));
            progress->setWindowModality(Qt::ApplicationModal);
            progress->setMinimumDuration(0);
            progress->setAutoClose(false);
            progress->show();
        }
        if (progress)
            progress->setValue(static_cast<int>(job->bytes * kProgressSteps /
                                                std::max<std::uint64_t>(file.size, 1)));
    });
    poll.start(kPollMs);
    if (!job->done)
        loop.exec();
    poll.stop();
    progress.reset();
    if (!mine)
        return;
    job->thread.join();
    m_running.erase(file.path);
    if (!job->error.empty()) {
        std::fprintf(stderr, "quilcd-open: %s\n", job->error.c_str());
        QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
                        QString::fromStdString(job->error), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
}
