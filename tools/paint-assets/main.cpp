// quilcd-paint-assets OUTDIR [PREVIEW.png]
// quilcd-paint-assets --hicolor OUTDIR NAME
//
// Paints the browser window's pictures into OUTDIR as PNGs, with the skin.qrc that puts them
// into the program's resources under /skin. Runs at build time; needs no display.

#include "hicolor_icons.h"
#include "preview.h"
#include "skin_files.h"
#include "skin_set.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // Painting needs fonts, and fonts need a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 4 && args.at(1) == QStringLiteral("--hicolor")) {
        QString error;
        if (paint::WriteHicolorIcons(args.at(2), args.at(3), error))
            return 0;
        std::fprintf(stderr, "quilcd-paint-assets: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    if (args.size() < 2 || args.size() > 3) {
        std::fputs("usage: quilcd-paint-assets OUTDIR [PREVIEW.png]\n", stderr);
        return 2;
    }

    const std::vector<paint::Picture> pictures = paint::PaintSkin();
    QString error;
    if (!paint::WriteSkin(args.at(1), pictures, error)) {
        std::fprintf(stderr, "quilcd-paint-assets: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    if (args.size() == 3 && !paint::ComposePreview(pictures).save(args.at(2), "PNG")) {
        std::fprintf(stderr, "quilcd-paint-assets: cannot write %s\n",
                     args.at(2).toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
