#include "platform/window_lookup.h"

#include "platform/compound_text.h"
#include "platform/x11_session.h"

#include <vector>

namespace platform {
namespace {

// A reparenting window manager puts each client into a frame, sometimes into a frame inside a
// frame; three levels below the root's children cover the managers in use.
constexpr int kFrameDepth = 3;

struct Atoms final {
    xcb_atom_t clientList = XCB_NONE;
    xcb_atom_t netWmName = XCB_NONE;
    xcb_atom_t utf8String = XCB_NONE;
    xcb_atom_t compoundText = XCB_NONE;
    xcb_atom_t wmState = XCB_NONE;
};

Atoms LookUpAtoms(const x11::Session& session) {
    const auto atoms = session.existingAtoms(
        {"_NET_CLIENT_LIST", "_NET_WM_NAME", "UTF8_STRING", "COMPOUND_TEXT", "WM_STATE"});
    return {atoms[0], atoms[1], atoms[2], atoms[3], atoms[4]};
}

// Which of `windows` carry WM_STATE, the mark a window manager puts on the client windows it
// manages (and not on its frames).
std::vector<bool> CarryWmState(xcb_connection_t* connection,
                               const std::vector<xcb_window_t>& windows, xcb_atom_t wmState) {
    std::vector<xcb_get_property_cookie_t> cookies;
    cookies.reserve(windows.size());
    for (const xcb_window_t window : windows) {
        cookies.push_back(x11::RequestProperty(connection, window, wmState, 0));
    }
    std::vector<bool> carries;
    carries.reserve(windows.size());
    for (const auto cookie : cookies) {
        carries.push_back(x11::ReceiveProperty(connection, cookie).exists());
    }
    return carries;
}

// Without a client list: every child of the root (the top-level windows when no window manager
// runs, the frames when one does), and inside the frames the client windows of a reparenting
// manager.
std::vector<xcb_window_t> TreeCandidates(xcb_connection_t* connection, xcb_window_t root,
                                         const Atoms& atoms) {
    std::vector<xcb_window_t> level = x11::ChildrenOf(connection, {root});
    std::vector<xcb_window_t> candidates = level;
    if (atoms.wmState == XCB_NONE) {
        return candidates; // nothing was ever managed, so no window sits inside a frame
    }
    for (int depth = 0;; ++depth) {
        const std::vector<bool> carries = CarryWmState(connection, level, atoms.wmState);
        std::vector<xcb_window_t> frames;
        for (size_t i = 0; i < level.size(); ++i) {
            if (!carries[i]) {
                frames.push_back(level[i]);
            } else if (depth > 0) {
                candidates.push_back(level[i]);
            }
        }
        if (depth == kFrameDepth || frames.empty()) {
            return candidates;
        }
        level = x11::ChildrenOf(connection, frames);
    }
}

std::vector<xcb_window_t> Candidates(xcb_connection_t* connection, xcb_window_t root,
                                     const Atoms& atoms) {
    if (atoms.clientList != XCB_NONE) {
        const x11::Property list = x11::ReceiveProperty(
            connection, x11::RequestProperty(connection, root, atoms.clientList));
        if (list.exists() && list.type == XCB_ATOM_WINDOW) {
            const std::vector<uint32_t> ids = list.values32();
            return {ids.begin(), ids.end()};
        }
    }
    return TreeCandidates(connection, root, atoms);
}

// The caption a window shows, or nullopt when it has none we can read in full.
std::optional<QString> Caption(const x11::Property& netWmName, const x11::Property& wmName,
                               const Atoms& atoms, CompoundTextReader& compoundText) {
    if (netWmName.exists() && netWmName.format == 8) {
        if (netWmName.truncated) {
            return std::nullopt;
        }
        return QString::fromUtf8(netWmName.bytes.data(),
                                 static_cast<qsizetype>(netWmName.bytes.size()));
    }
    if (!wmName.exists() || wmName.format != 8 || wmName.truncated) {
        return std::nullopt;
    }
    const auto size = static_cast<qsizetype>(wmName.bytes.size());
    if (wmName.type == atoms.utf8String) {
        return QString::fromUtf8(wmName.bytes.data(), size);
    }
    if (wmName.type == atoms.compoundText) {
        return compoundText.read(wmName.bytes);
    }
    // STRING, and any type we do not know, read as ISO 8859-1 as STRING is defined.
    return QString::fromLatin1(wmName.bytes.data(), size);
}

std::optional<WindowHandle> FirstWithCaption(xcb_connection_t* connection,
                                             const std::vector<xcb_window_t>& windows,
                                             const QString& caption, const Atoms& atoms,
                                             CompoundTextReader& compoundText) {
    struct Pending final {
        xcb_window_t window;
        std::optional<xcb_get_property_cookie_t> netWmName; // none while nobody uses the atom
        xcb_get_property_cookie_t wmName;
    };
    std::vector<Pending> pending;
    pending.reserve(windows.size());
    for (const xcb_window_t window : windows) {
        std::optional<xcb_get_property_cookie_t> netWmName;
        if (atoms.netWmName != XCB_NONE) {
            netWmName = x11::RequestProperty(connection, window, atoms.netWmName);
        }
        pending.push_back(
            {window, netWmName, x11::RequestProperty(connection, window, XCB_ATOM_WM_NAME)});
    }
    std::optional<WindowHandle> found;
    for (const Pending& request : pending) {
        if (found) {
            // Only the first match counts; the rest of the answers are not waited for.
            if (request.netWmName) {
                xcb_discard_reply(connection, request.netWmName->sequence);
            }
            xcb_discard_reply(connection, request.wmName.sequence);
            continue;
        }
        const x11::Property netWmName = request.netWmName
                                            ? x11::ReceiveProperty(connection, *request.netWmName)
                                            : x11::Property{};
        const x11::Property wmName = x11::ReceiveProperty(connection, request.wmName);
        if (Caption(netWmName, wmName, atoms, compoundText) == caption) {
            found = WindowHandle{request.window};
        }
    }
    return found;
}

} // namespace

std::optional<WindowHandle> FindTopLevelWindow(const QString& caption) {
    const x11::Session session;
    if (!session.isOpen()) {
        return std::nullopt;
    }
    xcb_connection_t* connection = session.connection();
    const Atoms atoms = LookUpAtoms(session);
    CompoundTextReader compoundText;
    for (const xcb_window_t root : session.rootWindows()) {
        const std::vector<xcb_window_t> windows = Candidates(connection, root, atoms);
        if (const auto found =
                FirstWithCaption(connection, windows, caption, atoms, compoundText)) {
            return found;
        }
    }
    return std::nullopt;
}

} // namespace platform
