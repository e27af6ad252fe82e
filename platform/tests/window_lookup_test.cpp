#include "platform/window_lookup.h"

#include "tests/support/x_client.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace platform {
void PrintTo(const WindowHandle& window, std::ostream* os) {
    *os << "window 0x" << std::hex << window.id;
}
} // namespace platform

namespace {

using namespace std::string_literals;
using platform::FindTopLevelWindow;
using platform::WindowHandle;

const QString kCaption = QStringLiteral("Quillore CD-ROM Browser Main Form");

class WindowLookup : public ::testing::Test {
protected:
    const testkit::XClient m_display; // $DISPLAY: the test command's xvfb-run
};

TEST_F(WindowLookup, MatchesTheWholeCaptionInEachFormAWindowCarriesIt) {
    struct Case {
        const char* what;
        const char* property;
        const char* type;
        std::string bytes;
        QString lookedFor;
        bool found;
    };
    const Case cases[] = {
        {"WM_NAME only", "WM_NAME", "STRING", "Quillore CD-ROM Browser Main Form"s, kCaption, true},
        {"WM_NAME STRING is Latin-1", "WM_NAME", "STRING", "Caf\xE9 \xA9 Main Form"s,
         QStringLiteral("Café © Main Form"), true},
        {"WM_NAME as UTF8_STRING", "WM_NAME", "UTF8_STRING", "Quillore CD-ROM Browser 日本語版"s,
         QStringLiteral("Quillore CD-ROM Browser 日本語版"), true},
        {"WM_NAME as COMPOUND_TEXT", "WM_NAME", "COMPOUND_TEXT",
         "Quillore \x1B$)B\xC6\xFC\xCB\xDC\xB8\xEC"s, QStringLiteral("Quillore 日本語"), true},
        {"WM_NAME as COMPOUND_TEXT, JIS X 0208 in GL", "WM_NAME", "COMPOUND_TEXT",
         "\x1B$(B\x46\x7C\x4B\x5C\x38\x6C\x1B(B Main"s, QStringLiteral("日本語 Main"), true},
        // Xlib leaves out the segment it cannot read: what remains is no caption.
        {"COMPOUND_TEXT that cannot be read in full", "WM_NAME", "COMPOUND_TEXT",
         "Quillore CD-ROM Browser Main Form\x1B%/1\x80\x88nope-9\x02\x41"s, kCaption, false},
        {"_NET_WM_NAME only", "_NET_WM_NAME", "UTF8_STRING", "Quillore CD-ROM Browser Main Form"s,
         kCaption, true},
        {"_NET_WM_NAME only, Japanese", "_NET_WM_NAME", "UTF8_STRING",
         "クイロア CD-ROM ブラウザ Main Form"s,
         QStringLiteral("クイロア CD-ROM ブラウザ Main Form"), true},
        {"the application title is only a prefix", "WM_NAME", "STRING", "Quillore CD-ROM Browser"s,
         kCaption, false},
        {"the caption is only a prefix of the window's", "_NET_WM_NAME", "UTF8_STRING",
         "Quillore CD-ROM Browser Main Form (2)"s, kCaption, false},
        {"looking for a prefix of the window's caption", "WM_NAME", "STRING",
         "Quillore CD-ROM Browser Main Form"s, QStringLiteral("Quillore CD-ROM Browser"), false},
        {"a trailing space", "WM_NAME", "STRING", "Quillore CD-ROM Browser Main Form "s, kCaption,
         false},
        {"another case", "WM_NAME", "STRING", "quillore cd-rom browser main form"s, kCaption,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const xcb_window_t other = m_display.CreateWindow(m_display.root());
        m_display.SetText(other, "WM_NAME", "STRING", "Some other program");
        const xcb_window_t window = m_display.CreateWindow(m_display.root());
        m_display.SetText(window, c.property, c.type, c.bytes);
        m_display.Sync();

        const std::optional<WindowHandle> expected =
            c.found ? std::optional(WindowHandle{window}) : std::nullopt;
        EXPECT_EQ(FindTopLevelWindow(c.lookedFor), expected);

        m_display.DestroyWindow(window);
        m_display.DestroyWindow(other);
        m_display.Sync();
    }
}

TEST_F(WindowLookup, NetWmNameIsTheCaptionWhenAWindowHasBoth) {
    const xcb_window_t window = m_display.CreateWindow(m_display.root());
    m_display.SetText(window, "WM_NAME", "STRING", "Quillore CD-ROM Browser Main Form");
    m_display.SetText(window, "_NET_WM_NAME", "UTF8_STRING", "Renamed");
    m_display.Sync();

    EXPECT_EQ(FindTopLevelWindow(kCaption), std::nullopt);
    EXPECT_EQ(FindTopLevelWindow(QStringLiteral("Renamed")), WindowHandle{window});
}

TEST_F(WindowLookup, FindsNothingOnceTheWindowIsDestroyed) {
    const xcb_window_t window = m_display.CreateWindow(m_display.root());
    m_display.SetText(window, "WM_NAME", "STRING", "Quillore CD-ROM Browser Main Form");
    m_display.Sync();
    ASSERT_EQ(FindTopLevelWindow(kCaption), WindowHandle{window});

    m_display.DestroyWindow(window);
    m_display.Sync();
    EXPECT_EQ(FindTopLevelWindow(kCaption), std::nullopt);
}

// A reparenting manager: root > frame > decoration > client, the client marked with WM_STATE.
TEST_F(WindowLookup, FindsTheManagedClientInsideItsFrames) {
    const xcb_window_t frame = m_display.CreateWindow(m_display.root());
    const xcb_window_t decoration = m_display.CreateWindow(frame);
    const xcb_window_t client = m_display.CreateWindow(decoration);
    m_display.SetValues32(client, "WM_STATE", m_display.Atom("WM_STATE"), {1, XCB_WINDOW_NONE});
    m_display.SetText(client, "_NET_WM_NAME", "UTF8_STRING", "Quillore CD-ROM Browser Main Form");
    // A child window of some program carries the caption too, but is no top-level window.
    const xcb_window_t plain = m_display.CreateWindow(m_display.root());
    const xcb_window_t child = m_display.CreateWindow(plain);
    m_display.SetText(child, "WM_NAME", "STRING", "Quillore CD-ROM Browser");
    m_display.Sync();

    EXPECT_EQ(FindTopLevelWindow(kCaption), WindowHandle{client});
    EXPECT_EQ(FindTopLevelWindow(QStringLiteral("Quillore CD-ROM Browser")), std::nullopt);
}

TEST_F(WindowLookup, TakesTheWindowManagersClientListWhenThereIsOne) {
    const xcb_window_t gone = m_display.CreateWindow(m_display.root());
    m_display.DestroyWindow(gone);
    const xcb_window_t frame = m_display.CreateWindow(m_display.root());
    const xcb_window_t listed = m_display.CreateWindow(frame);
    m_display.SetText(listed, "WM_NAME", "STRING", "Quillore CD-ROM Browser Main Form");
    // Not managed, so not a client: a manager's own window, say.
    const xcb_window_t unlisted = m_display.CreateWindow(m_display.root());
    m_display.SetText(unlisted, "WM_NAME", "STRING", "Unmanaged");
    m_display.SetValues32(m_display.root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW, {gone, listed});
    m_display.Sync();

    EXPECT_EQ(FindTopLevelWindow(kCaption), WindowHandle{listed});
    EXPECT_EQ(FindTopLevelWindow(QStringLiteral("Unmanaged")), std::nullopt);
}

} // namespace
