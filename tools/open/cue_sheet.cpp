#include "tools/open/cue_sheet.h"

#include "tools/open/image_error.h"

#include <optional>
#include <vector>

namespace disc_image {
namespace {

constexpr std::uint64_t kFramesPerSecond = 75;

// The words of one line; a quoted word may hold spaces.
std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i == line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            const std::size_t end = line.find('"', i + 1);
            word = line.substr(i + 1, (end == std::string_view::npos ? line.size() : end) - i - 1);
            i = end == std::string_view::npos ? line.size() : end + 1;
        } else {
            const std::size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                ++i;
            word = line.substr(start, i - start);
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::string Upper(std::string word) {
    for (char& c : word)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return word;
}

// MM:SS:FF, in frames (sectors); nullopt when malformed.
std::optional<std::uint64_t> Frames(const std::string& time) {
    std::uint64_t parts[3] = {0, 0, 0};
    std::size_t part = 0;
    bool digit = false;
    for (char c : time) {
        if (c == ':') {
            if (!digit || ++part > 2)
                return std::nullopt;
            digit = false;
        } else if (c >= '0' && c <= '9' && parts[part] < 1000000) {
            parts[part] = parts[part] * 10 + static_cast<std::uint64_t>(c - '0');
            digit = true;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || !digit || parts[1] >= 60 || parts[2] >= kFramesPerSecond)
        return std::nullopt;
    return (parts[0] * 60 + parts[1]) * kFramesPerSecond + parts[2];
}

} // namespace

CueDataTrack ReadCueSheet(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        throw ImageError("not a cue sheet");
    std::optional<std::string> file; // the FILE in force
    std::optional<CueDataTrack> track;
    bool sawCommand = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() >= 3 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3); // a byte-order mark before the first command
        const std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        const std::string command = Upper(words[0]);
        if (command == "FILE") {
            if (track)
                break; // the data track's file has ended
            if (words.size() < 2)
                throw ImageError("the cue sheet has a FILE line without a name");
            file = words[1];
            if (words.size() > 2 && Upper(words[2]) != "BINARY")
                file.reset(); // audio (WAVE, MP3, big-endian MOTOROLA) holds no data track
            sawCommand = true;
        } else if (command == "TRACK") {
            if (track)
                break; // the first data track is all that is read
            sawCommand = true;
            const std::string mode = words.size() > 2 ? Upper(words[2]) : std::string();
            if (mode == "AUDIO")
                continue;
            if (!file)
                throw ImageError("the cue sheet names no binary file for its data track");
            if (mode == "MODE1/2048")
                track = CueDataTrack{*file, 2048, 0};
            else if (mode == "MODE1/2352" || mode == "MODE2/2352")
                track = CueDataTrack{*file, 2352, 0};
            else
                throw ImageError("the cue sheet's data track is " +
                                 (mode.empty() ? std::string("of no mode") : mode) +
                                 ", which is not supported (MODE1/2048, MODE1/2352, MODE2/2352)");
        } else if (command == "INDEX") {
            sawCommand = true;
            if (track && words.size() > 2 && words[1] == "01") {
                const std::optional<std::uint64_t> frames = Frames(words[2]);
                if (!frames)
                    throw ImageError("the cue sheet has a malformed INDEX time: " + words[2]);
                track->startSector = *frames;
            }
        } else if (command == "REM" || command == "CATALOG" || command == "CDTEXTFILE" ||
                   command == "TITLE" || command == "PERFORMER" || command == "SONGWRITER" ||
                   command == "FLAGS" || command == "ISRC" || command == "PREGAP" ||
                   command == "POSTGAP") {
            sawCommand = true;
        } else {
            throw ImageError("not a cue sheet: unknown command " + words[0].substr(0, 32));
        }
        if (end == text.size())
            break;
    }
    if (!track)
        throw ImageError(sawCommand ? "the cue sheet has no data track" : "not a cue sheet");
    return *track;
}

} // namespace disc_image
