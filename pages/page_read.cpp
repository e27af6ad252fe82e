#include "pages/page_read.h"

#include "content/content_error.h"
#include "content/file_read.h"
#include "pages/page_charset.h"

#include <sys/stat.h>

namespace pages {
namespace {

// Positions in a page are gumbo's 32-bit offsets; no real page comes near.
constexpr std::uintmax_t kLargestPage = std::uintmax_t{1} << 30;

} // namespace

DecodedPage DecodeAndScan(std::string_view bytes, ParseArena& arena) {
    DecodedPage page;
    const std::optional<std::string> bom = CharsetOfBom(bytes);
    page.charset = bom.value_or(std::string(kShiftJis));
    page.text = DecodePage(bytes, page.charset);
    page.scan = ScanPage(page.text, arena);
    if (!bom && page.scan.parsed && page.scan.declaredCharset &&
        *page.scan.declaredCharset != kShiftJis) {
        page.charset = *page.scan.declaredCharset;
        page.text = DecodePage(bytes, page.charset);
        page.scan = ScanPage(page.text, arena);
    }
    return page;
}

const PageRead& PageReader::Read(const std::string& nativePath) {
    m_read = {};
    struct stat st {};
    if (::stat(nativePath.c_str(), &st) == 0 &&
        static_cast<std::uintmax_t>(st.st_size) > kLargestPage) {
        m_read.unread = Unread::TooLarge;
        return m_read;
    }
    try {
        try {
            m_read.bytes = content::ReadWholeFile(nativePath);
        } catch (const content::ContentError&) {
            m_read.unread = Unread::Unreadable;
            return m_read;
        }
        if (!CharsetOfBom(m_read.bytes) && m_read.bytes.find('\0') != std::string::npos) {
            m_read.unread = Unread::Binary;
            return m_read;
        }
        m_read.page = DecodeAndScan(m_read.bytes, m_arena);
        if (!m_read.page.scan.parsed)
            m_read.unread = Unread::NotParsed;
    } catch (const std::exception& error) {
        m_read.unread = Unread::Failed;
        m_read.detail = error.what();
    }
    return m_read;
}

} // namespace pages
