#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// The players that disc pages get from the program are served under a scheme of the program's
// own, never from the disc and never from the web: quilcd-player://ruffle/NAME for the Flash
// player's files (compiled into the program) and quilcd-player://fonts/NAME for the system's
// Japanese fonts that movies draw their device text with. The address names a file; what it
// reaches is fixed here, so that no address leads anywhere else.
namespace player_files {

inline constexpr char kScheme[] = "quilcd-player";

// The base of the Flash player's own addresses, as its scripts are told it.
inline constexpr char kFlashPlayerBase[] = "quilcd-player://ruffle/";

struct PlayerFile {
    QString path;        // a resource path (":/...") or a system font file
    QByteArray mimeType; // what the engine is told it is
};

// The file an address of the scheme reaches, or nothing: only a plain name of the player's
// scripts (.js) or WebAssembly (.wasm), or a font named below.
std::optional<PlayerFile> PlayerFileFor(const QUrl& url);

} // namespace player_files
