#include "pageview/disc_page_scripts.h"

#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include <iterator>
#include <stdexcept>

namespace {

struct DiscPageScript {
    // Under pageview/scripts/; several, separated by spaces, run as one script in their order,
    // and a name starting with ":/" is a resource of Qt's own.
    const char* file;
    QWebEngineScript::InjectionPoint injectionPoint;
    // The page's own world, or the program's, where the page's scripts cannot reach.
    QWebEngineScript::ScriptWorldId world = QWebEngineScript::MainWorld;
};

// In the order they run at each point. DocumentCreation runs before the page's first script,
// DocumentReady when its document has been parsed.
constexpr DiscPageScript kScripts[] = {
    {"era/identity.js", QWebEngineScript::DocumentCreation},
    {"media/kinds.js media/flash.js", QWebEngineScript::DocumentCreation},
    {":/qtwebchannel/qwebchannel.js media/kinds.js media/old_media.js",
     QWebEngineScript::DocumentReady, QWebEngineScript::ApplicationWorld},
};

// Which documents are disc pages: the engine runs a script only where its address matches one
// of these (the Greasemonkey header of a user script). The request guard keeps every file: page
// to the disc, so a file: document in this profile is a disc page.
constexpr const char* kDiscPageHeader = "// ==UserScript==\n"
                                        "// @include file://*\n"
                                        "// ==/UserScript==\n";

QString ScriptSource(const char* files) {
    QString text = QString::fromLatin1(kDiscPageHeader);
    for (const QString& file : QString::fromLatin1(files).split(QLatin1Char(' '))) {
        QFile source(file.startsWith(QLatin1String(":/"))
                         ? file
                         : QStringLiteral(":/pageview/scripts/") + file);
        if (!source.open(QIODevice::ReadOnly))
            throw std::logic_error("a disc page script is missing from the program's resources");
        text += QString::fromUtf8(source.readAll()) + QLatin1Char('\n');
    }
    return text;
}

} // namespace

void InstallDiscPageScripts(QWebEngineProfile& profile) {
    QWebEngineScriptCollection* scripts = profile.scripts();
    for (const DiscPageScript& entry : kScripts) {
        QWebEngineScript script;
        script.setName(QString::fromLatin1(entry.file));
        script.setSourceCode(ScriptSource(entry.file));
        script.setInjectionPoint(entry.injectionPoint);
        script.setWorldId(entry.world);
        script.setRunsOnSubFrames(true);
        scripts->insert(script);
    }
}
