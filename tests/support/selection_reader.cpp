#include "selection_reader.h"

#include "wait.h"

#include <cstdlib>
#include <memory>

namespace testkit {
namespace {

struct FreeEvent final {
    void operator()(xcb_generic_event_t* event) const { std::free(event); }
};

constexpr std::string_view kPasteProperty = "QUILCD_TEST_PASTE";

// One request: the answer, or nullopt when there was no owner, it refused, or it was silent.
std::optional<std::string> AskOnce(const XClient& client, xcb_window_t requestor,
                                   xcb_atom_t selection, std::chrono::milliseconds limit) {
    xcb_connection_t* connection = client.connection();
    const xcb_atom_t target = client.Atom("UTF8_STRING");
    xcb_convert_selection(connection, requestor, selection, target, client.Atom(kPasteProperty),
                          XCB_CURRENT_TIME);
    xcb_flush(connection);

    const auto converted = WaitFor(
        [&]() -> std::optional<bool> {
            while (const std::unique_ptr<xcb_generic_event_t, FreeEvent> event{
                xcb_poll_for_event(connection)}) {
                if ((event->response_type & 0x7F) == XCB_SELECTION_NOTIFY) {
                    const auto* notify =
                        reinterpret_cast<const xcb_selection_notify_event_t*>(event.get());
                    return notify->property != XCB_NONE;
                }
            }
            return std::nullopt;
        },
        limit, std::chrono::milliseconds(10));
    if (!converted || !*converted) {
        return std::nullopt;
    }
    const XClient::Property text = client.ReadProperty(requestor, kPasteProperty);
    if (text.type != target || text.format != 8) {
        return std::nullopt;
    }
    return text.bytes;
}

} // namespace

std::optional<std::string> SelectionText(const XClient& client, std::string_view selection,
                                         std::chrono::milliseconds limit) {
    xcb_connection_t* connection = client.connection();
    const xcb_window_t requestor = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, requestor, client.root(), -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t selectionAtom = client.Atom(selection);
    // The owner may take a moment to claim the selection, so ask again until it answers.
    const auto text =
        WaitFor([&] { return AskOnce(client, requestor, selectionAtom, std::chrono::seconds(1)); },
                limit, std::chrono::milliseconds(100));
    xcb_destroy_window(connection, requestor);
    xcb_flush(connection);
    return text;
}

} // namespace testkit
