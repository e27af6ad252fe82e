#include "tools/open/extraction_plan.h"

#include "tools/open/image_error.h"

#include <algorithm>
#include <map>
#include <optional>

namespace disc_image {
namespace {

constexpr std::size_t kLongestName = 255;
constexpr std::size_t kLongestPath = 4000;
constexpr std::uint64_t kDataAllowance = 64ull * 1024 * 1024;

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        parts.push_back(path.substr(start, slash - start));
        if (slash == std::string::npos)
            return parts;
        start = slash + 1;
    }
}

std::optional<std::string> NameProblem(const std::string& path) {
    if (path.size() > kLongestPath)
        return "its path is too long";
    for (const std::string& part : Components(path)) {
        if (part.empty() || part == "." || part == "..")
            return "its name leads out of its folder";
        if (part.size() > kLongestName)
            return "a name in its path is too long";
    }
    return std::nullopt;
}

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Where a symbolic link leads, when it stays among the written directories of the image: the
// link's folder and each step of the target (a "." stays, a ".." goes up) must be written
// directories, never links, so that the path as written is the path the system follows.
std::optional<std::string> LinkTarget(const std::string& linkPath, const std::string& target,
                                      const std::map<std::string, Action>& written) {
    if (target.empty() || target[0] == '/' || target.find('\0') != std::string::npos)
        return std::nullopt;
    std::vector<std::string> at;
    if (const std::string parent = ParentOf(linkPath); !parent.empty())
        at = Components(parent);
    const std::vector<std::string> steps = Components(target);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string& step = steps[i];
        if (step.empty() || step == ".")
            continue;
        if (step == "..") {
            if (at.empty())
                return std::nullopt; // out of the image's root
            at.pop_back();
            continue;
        }
        at.push_back(step);
        std::string path;
        for (const std::string& part : at)
            path += (path.empty() ? "" : "/") + part;
        const auto found = written.find(path);
        if (found == written.end() || found->second == Action::MakeLink)
            return std::nullopt;
        const bool last = i + 1 == steps.size() ||
                          std::all_of(steps.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                      steps.end(), [](const std::string& s) { return s.empty(); });
        if (!last && found->second != Action::MakeDirectory)
            return std::nullopt;
    }
    std::string path;
    for (const std::string& part : at)
        path += (path.empty() ? "" : "/") + part;
    return path;
}

} // namespace

ExtractionPlan PlanExtraction(std::vector<ImageEntry> entries, std::uint64_t imageBytes) {
    if (entries.size() > kMostEntries)
        throw ImageError("the image holds " + std::to_string(entries.size()) +
                         " entries, more than a disc can");
    ExtractionPlan plan;
    plan.tree.directories.insert("");
    std::map<std::string, Action> written{{"", Action::MakeDirectory}};
    std::map<std::string, std::size_t> fileAt; // a written file's path: its index in the plan
    std::uint64_t dataBytes = 0;
    const std::uint64_t mostData = imageBytes * 4 + kDataAllowance;

    plan.entries.reserve(entries.size());
    for (ImageEntry& entry : entries) {
        PlannedEntry planned;
        planned.entry = std::move(entry);
        const ImageEntry& e = planned.entry;
        const auto parent = written.find(ParentOf(e.path));
        if (const auto problem = NameProblem(e.path)) {
            planned.reason = *problem;
        } else if (written.count(e.path)) {
            planned.reason = "its name is taken by an earlier entry";
        } else if (parent == written.end() || parent->second != Action::MakeDirectory) {
            planned.reason = "it lies in no written folder";
        } else if (e.kind == EntryKind::Directory) {
            planned.action = Action::MakeDirectory;
        } else if (e.kind == EntryKind::File) {
            planned.action = e.size <= kWrittenAtOpen ? Action::WriteNow : Action::WriteLater;
            planned.dataOrdinal = e.ordinal;
            planned.dataPath = e.path;
            dataBytes += e.size;
        } else if (e.kind == EntryKind::HardLink) {
            const auto original = fileAt.find(e.link);
            if (original == fileAt.end()) {
                planned.reason = "it is a second name of nothing written";
            } else {
                const PlannedEntry& data = plan.entries[original->second];
                planned.action =
                    data.action == Action::WriteLater ? Action::WriteLater : Action::CopyNow;
                planned.dataOrdinal = data.dataOrdinal;
                planned.dataPath = data.dataPath;
                planned.entry.size = data.entry.size;
                planned.entry.executable = data.entry.executable;
                dataBytes += data.entry.size;
            }
        } else if (e.kind == EntryKind::Symlink) {
            planned.action = Action::MakeLink; // checked once every entry is known
        } else {
            planned.reason = "it is a device, a pipe or a socket";
        }
        if (dataBytes > mostData)
            throw ImageError("the image claims more data (over " + std::to_string(dataBytes) +
                             " bytes) than it can hold");
        if (planned.action != Action::Skip) {
            written.emplace(e.path, planned.action);
            if (planned.action != Action::MakeDirectory && planned.action != Action::MakeLink)
                fileAt.emplace(e.path, plan.entries.size());
        }
        plan.entries.push_back(std::move(planned));
    }

    // Links last: where one leads depends on everything else the image holds.
    for (PlannedEntry& planned : plan.entries) {
        if (planned.action != Action::MakeLink)
            continue;
        const std::optional<std::string> target =
            LinkTarget(planned.entry.path, planned.entry.link, written);
        if (!target) {
            planned.action = Action::Skip;
            planned.reason = "it is a symbolic link that leads out of the disc or to nothing";
            written.erase(planned.entry.path);
            continue;
        }
        planned.dataPath = *target;
    }
    for (const PlannedEntry& planned : plan.entries) {
        switch (planned.action) {
        case Action::MakeDirectory:
            plan.tree.directories.insert(planned.entry.path);
            break;
        case Action::MakeLink:
            (written.at(planned.dataPath) == Action::MakeDirectory ? plan.tree.directories
                                                                   : plan.tree.files)
                .insert(planned.entry.path);
            break;
        case Action::Skip:
            ++plan.skipped;
            break;
        case Action::WriteNow:
        case Action::WriteLater:
        case Action::CopyNow:
            plan.tree.files.insert(planned.entry.path);
            break;
        }
    }
    return plan;
}

} // namespace disc_image
