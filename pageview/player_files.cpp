#include "pageview/player_files.h"

#include <QRegularExpression>

namespace player_files {

namespace {

struct Font {
    const char* name;
    const char* file;
};
// IPA P Gothic stands in for every device font (fonts-ipafont-gothic, which the program needs for
// its window anyway): one font of 6 MB is what each page with a movie loads, not one per face.
constexpr Font kFonts[] = {
    {"gothic", "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"},
};

} // namespace

std::optional<PlayerFile> PlayerFileFor(const QUrl& url) {
    if (url.scheme() != QLatin1String(kScheme) || !url.userInfo().isEmpty() || url.port() != -1)
        return std::nullopt;
    // One plain name: no folder, no escape that could hide one, nothing hidden.
    static const QRegularExpression plainName(QStringLiteral("^/[A-Za-z0-9_-][A-Za-z0-9._-]*$"));
    const QString path = url.path(QUrl::FullyEncoded);
    if (!plainName.match(path).hasMatch() || path.contains(QLatin1String("..")))
        return std::nullopt;
    const QString name = path.mid(1);
    if (url.host() == QLatin1String("ruffle")) {
        const QString file = QStringLiteral(":/player/ruffle/") + name;
        if (name.endsWith(QLatin1String(".js")))
            return PlayerFile{file, "text/javascript"};
        if (name.endsWith(QLatin1String(".wasm")))
            return PlayerFile{file, "application/wasm"};
        return std::nullopt;
    }
    if (url.host() == QLatin1String("fonts")) {
        for (const Font& font : kFonts)
            if (name == QLatin1String(font.name))
                return PlayerFile{QString::fromLatin1(font.file), "font/ttf"};
    }
    return std::nullopt;
}

} // namespace player_files
