#include "platform/screen_metrics.h"

#include "platform/x11_session.h"

#include <QGuiApplication>
#include <QScreen>
#include <xcb/randr.h>

namespace platform {

namespace {

std::optional<ScaleChoice> g_choice;

std::optional<std::string> Environment(const char* name) {
    if (!qEnvironmentVariableIsSet(name))
        return std::nullopt;
    return qgetenv(name).toStdString();
}

struct Monitor final {
    int width = 0;
    int height = 0;
    std::string name;
};

// Qt's X11 platform makes a screen of each RandR 1.5 monitor and calls the one marked primary
// (else the first) its primary screen.
std::optional<Monitor> PrimaryMonitor(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection, &xcb_randr_id);
    if (randr == nullptr || randr->present == 0)
        return std::nullopt;
    const x11::Reply<xcb_randr_query_version_reply_t> version(xcb_randr_query_version_reply(
        connection, xcb_randr_query_version(connection, 1, 5), nullptr));
    if (!version || version->major_version < 1 ||
        (version->major_version == 1 && version->minor_version < 5))
        return std::nullopt;
    const x11::Reply<xcb_randr_get_monitors_reply_t> monitors(xcb_randr_get_monitors_reply(
        connection, xcb_randr_get_monitors(connection, root, 1), nullptr));
    if (!monitors)
        return std::nullopt;
    std::optional<xcb_randr_monitor_info_t> chosen;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(monitors.get()); it.rem > 0;
         xcb_randr_monitor_info_next(&it)) {
        if (!chosen || (it.data->primary != 0 && chosen->primary == 0))
            chosen = *it.data;
    }
    if (!chosen)
        return std::nullopt;
    Monitor monitor{chosen->width, chosen->height, {}};
    const x11::Reply<xcb_get_atom_name_reply_t> name(
        xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, chosen->name), nullptr));
    if (name)
        monitor.name.assign(xcb_get_atom_name_name(name.get()),
                            static_cast<size_t>(xcb_get_atom_name_name_length(name.get())));
    return monitor;
}

} // namespace

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(0, 0);
}

std::optional<ScaleSettings> ReadScaleSettings() {
    const x11::Session session;
    const std::vector<xcb_window_t> roots = session.rootWindows();
    if (!session.isOpen() || roots.empty())
        return std::nullopt;
    xcb_connection_t* connection = session.connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;

    ScaleSettings settings;
    const auto resources =
        x11::RequestProperty(connection, roots.front(), XCB_ATOM_RESOURCE_MANAGER);
    if (const auto monitor = PrimaryMonitor(connection, roots.front())) {
        settings.screenWidth = monitor->width;
        settings.screenHeight = monitor->height;
        settings.screenName = monitor->name;
    } else {
        settings.screenWidth = screen->width_in_pixels;
        settings.screenHeight = screen->height_in_pixels;
    }
    const x11::Property property = x11::ReceiveProperty(connection, resources);
    if (property.type == XCB_ATOM_STRING && property.format == 8)
        settings.xResources = property.bytes;

    settings.fontDpi = Environment("QT_FONT_DPI");
    settings.enableHighDpi = Environment("QT_ENABLE_HIGHDPI_SCALING");
    settings.screenFactors = Environment("QT_SCREEN_SCALE_FACTORS");
    settings.roundingPolicy = Environment("QT_SCALE_FACTOR_ROUNDING_POLICY");
    settings.scaleFactor = Environment("QT_SCALE_FACTOR");
    return settings;
}

void ApplyWindowScale(const ScaleChoice& choice) {
    if (choice.scaleFactor)
        qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(*choice.scaleFactor));
    g_choice = choice;
}

bool ScreenTakesWindow() {
    if (g_choice)
        return g_choice->fits;
    const QSize screen = PrimaryScreenSize();
    return screen.width() >= kDesignWidth && screen.height() >= kDesignHeight;
}

} // namespace platform
