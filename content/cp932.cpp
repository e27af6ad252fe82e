#include "content/cp932.h"

#include <cerrno>
#include <iconv.h>

namespace content {
namespace {

// One iconv descriptor per direction and thread: opening one loads a conversion module, which
// costs far more than converting a node text.
class Converter final {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns the number of input bytes consumed, with errno of
    // the stop in *error (0 when everything was converted).
    std::size_t convert(std::string_view in, std::string& out, int* error) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[4096];
        *error = 0;
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                *error = errno;
                break;
            }
        }
        return in.size() - inLeft;
    }

private:
    iconv_t m_cd;
};

Converter& FromCp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& ToCp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    // Plain ASCII is the same in both: most paths, all issue lines.
    if (IsAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    Converter& converter = FromCp932();
    if (!converter.valid()) {
        for (char c : bytes)
            out += static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : "\xEF\xBF\xBD";
        return out;
    }
    while (!bytes.empty()) {
        int error = 0;
        const std::size_t used = converter.convert(bytes, out, &error);
        bytes.remove_prefix(used);
        if (error == 0)
            break;
        out += "\xEF\xBF\xBD"; // U+FFFD for the byte that could not be read
        bytes.remove_prefix(1);
    }
    return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    Converter& converter = ToCp932();
    if (!converter.valid())
        return std::nullopt;
    std::string out;
    int error = 0;
    converter.convert(utf8, out, &error);
    if (error != 0)
        return std::nullopt;
    return out;
}

std::vector<std::size_t> InvalidCp932Offsets(std::string_view bytes) {
    std::vector<std::size_t> offsets;
    if (IsAscii(bytes))
        return offsets;
    Converter& converter = FromCp932();
    std::size_t offset = 0;
    std::string sink;
    while (offset < bytes.size()) {
        int error = 0;
        sink.clear();
        offset += converter.convert(bytes.substr(offset), sink, &error);
        if (error == 0)
            break;
        offsets.push_back(offset);
        ++offset;
    }
    return offsets;
}

} // namespace content
