#include "pageview/disc_page_scripts.h"

#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include <iterator>
#include <stdexcept>

namespace {

struct DiscPageScript {
    const char* file; // under pageview/scripts/
    QWebEngineScript::InjectionPoint injectionPoint;
};

// In the order they run at each point. DocumentCreation runs before the page's first script,
// DocumentReady when its document has been parsed.
constexpr DiscPageScript kScripts[] = {
    {"era/identity.js", QWebEngineScript::DocumentCreation},
    {"era/all_collection.js", QWebEngineScript::DocumentCreation},
    {"era/events.js", QWebEngineScript::DocumentCreation},
    {"era/script_for.js", QWebEngineScript::DocumentCreation},
    {"era/style_units.js", QWebEngineScript::DocumentCreation},
    {"era/filter_drawing.js", QWebEngineScript::DocumentCreation},
    {"era/filters.js", QWebEngineScript::DocumentCreation},
    {"era/dialogs.js", QWebEngineScript::DocumentCreation},
    {"era/selection_clipboard.js", QWebEngineScript::DocumentCreation},
    {"era/external.js", QWebEngineScript::DocumentCreation},
    {"era/activex.js", QWebEngineScript::DocumentCreation},
};

// Which documents are disc pages: the engine runs a script only where its address matches one
// of these (the Greasemonkey header of a user script). The request guard keeps every file: page
// to the disc, so a file: document in this profile is a disc page.
constexpr const char* kDiscPageHeader = "// ==UserScript==\n"
                                        "// @include file://*\n"
                                        "// ==/UserScript==\n";

QString ScriptSource(const char* file) {
    QFile source(QStringLiteral(":/pageview/scripts/") + QString::fromLatin1(file));
    if (!source.open(QIODevice::ReadOnly))
        throw std::logic_error("a disc page script is missing from the program's resources");
    return QString::fromLatin1(kDiscPageHeader) + QString::fromUtf8(source.readAll());
}

} // namespace

void InstallDiscPageScripts(QWebEngineProfile& profile) {
    QWebEngineScriptCollection* scripts = profile.scripts();
    for (const DiscPageScript& entry : kScripts) {
        QWebEngineScript script;
        script.setName(QString::fromLatin1(entry.file));
        script.setSourceCode(ScriptSource(entry.file));
        script.setInjectionPoint(entry.injectionPoint);
        script.setWorldId(QWebEngineScript::MainWorld);
        script.setRunsOnSubFrames(true);
        scripts->insert(script);
    }
}
