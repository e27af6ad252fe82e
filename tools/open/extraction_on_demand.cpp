#include "tools/open/extraction_on_demand.h"

#include "content/page_files.h"
#include "pageview/native_path.h"
#include "tools/open/image_error.h"
#include "tools/open/lazy_file_write.h"
#include "tools/open/write_progress.h"

#include <atomic>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr int kLookMs = 50;

std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    const std::string resolved = real ? real : path;
    std::free(real);
    return resolved;
}

} // namespace

// One large file being written on a thread of its own. The thread sets `error` before `ended`,
// and the window's thread reads it only after that.
struct TOnDemandExtraction::Write {
    Write(const disc_image::LazyFile& file, const QString& name, std::function<void()> cancel)
        : progress(name, file.size, std::move(cancel)) {}

    std::stop_source stop;
    std::atomic<std::uint64_t> written{0};
    std::atomic<bool> ended{false};
    std::string error;
    TWriteProgress progress;
    std::thread thread;
};

TOnDemandExtraction::TOnDemandExtraction(const disc_image::OpenedDisc& disc) : m_disc(disc) {
    if (!disc.cache || disc.cache->lazyFiles.empty())
        return;
    for (const disc_image::LazyFile& file : disc.cache->lazyFiles)
        m_byPath.emplace(disc.cache->discRoot + file.path, &file);
    QObject::connect(&m_looks, &QTimer::timeout, &m_looks, [this] { Look(); });
    SetDiscFileProvider(this);
}

TOnDemandExtraction::~TOnDemandExtraction() {
    if (m_byPath.empty())
        return;
    SetDiscFileProvider(nullptr);
    for (auto& [path, write] : m_writes)
        m_stopping.push_back(std::move(write));
    for (const std::unique_ptr<Write>& write : m_stopping)
        write->stop.request_stop();
    for (const std::unique_ptr<Write>& write : m_stopping)
        write->thread.join();
}

std::vector<const disc_image::LazyFile*>
TOnDemandExtraction::Unwritten(const std::string& nativePath) const {
    if (m_byPath.empty())
        return {};
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
    std::vector<const disc_image::LazyFile*> files;
    if (!S_ISDIR(st.st_mode)) {
        auto found = m_byPath.find(path);
        if (found == m_byPath.end())
            found = m_byPath.find(RealPath(path));
        if (found != m_byPath.end())
            files.push_back(found->second);
    } else {
        // A folder opens with everything in it.
        std::string folder = RealPath(path);
        if (folder.back() != '/')
            folder += '/';
        for (auto it = m_byPath.lower_bound(folder);
             it != m_byPath.end() && it->first.compare(0, folder.size(), folder) == 0; ++it)
            files.push_back(it->second);
    }
    std::erase_if(files, [this](const disc_image::LazyFile* file) {
        return disc_image::IsWritten(*m_disc.cache, *file);
    });
    return files;
}

bool TOnDemandExtraction::IsReady(const std::string& nativePath) const {
    return Unwritten(nativePath).empty();
}

void TOnDemandExtraction::Provide(const std::string& nativePath,
                                  std::function<void(bool provided)> done) {
    Waiter waiter{{}, std::move(done)};
    for (const disc_image::LazyFile* file : Unwritten(nativePath)) {
        // A file asked for again while it is written waits for the same write.
        if (!m_writes.contains(file->path))
            Start(*file);
        waiter.files.insert(file->path);
    }
    if (waiter.files.empty())
        waiter.done(true);
    else
        m_waiters.push_back(std::move(waiter));
}

void TOnDemandExtraction::Start(const disc_image::LazyFile& file) {
    const QString name = NativePathText(file.path.substr(file.path.rfind('/') + 1));
    auto write = std::make_unique<Write>(file, name, [this, path = file.path] { Cancel(path); });
    Write& w = *write;
    w.thread = std::thread([this, &w, &file] {
        try {
            disc_image::WriteLazyFile(
                *m_disc.image, *m_disc.cache, file,
                {[&w](std::uint64_t written) { w.written = written; }, w.stop.get_token()});
        } catch (const disc_image::Cancelled&) {
        } catch (const std::exception& error) {
            w.error = error.what();
        }
        w.ended = true;
    });
    m_writes.emplace(file.path, std::move(write));
    if (!m_looks.isActive())
        m_looks.start(kLookMs);
}

void TOnDemandExtraction::Cancel(const std::string& path) {
    const auto running = m_writes.find(path);
    if (running == m_writes.end())
        return;
    // What waits for the file fails now; the thread stops after the piece it is writing.
    running->second->stop.request_stop();
    m_stopping.push_back(std::move(running->second));
    m_writes.erase(running);
    Ended(path, false);
}

void TOnDemandExtraction::Look() {
    std::erase_if(m_stopping, [](const std::unique_ptr<Write>& write) {
        if (write->ended)
            write->thread.join();
        return write->ended.load();
    });
    std::vector<std::string> ended;
    for (auto& [path, write] : m_writes) {
        if (write->ended)
            ended.push_back(path);
        else
            write->progress.Update(write->written);
    }
    for (const std::string& path : ended) {
        const std::unique_ptr<Write> write = std::move(m_writes.at(path));
        m_writes.erase(path);
        write->thread.join();
        if (!write->error.empty())
            TellWriteFailed(write->error);
        Ended(path, write->error.empty());
    }
    if (m_writes.empty() && m_stopping.empty())
        m_looks.stop();
}

void TOnDemandExtraction::Ended(const std::string& path, bool written) {
    // Those called back may ask for more (a page's next file): the list is done with first.
    std::vector<std::pair<std::function<void(bool)>, bool>> calls;
    for (auto it = m_waiters.begin(); it != m_waiters.end();) {
        if (!it->files.erase(path) || (written && !it->files.empty())) {
            ++it;
            continue;
        }
        calls.emplace_back(std::move(it->done), written);
        it = m_waiters.erase(it);
    }
    for (auto& [done, provided] : calls)
        done(provided);
}
