#include "tools/open/open_program.h"

#include "app/program_run.h"
#include "app/quil_application.h"
#include "platform/display_check.h"
#include "tools/open/disc_opening.h"
#include "tools/open/extraction_on_demand.h"
#include "ui/unit1.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kUsage = "usage: quilcd-open IMAGE_OR_FOLDER\n";
constexpr const char* kHelp =
    "Shows a Quillore CD-ROM Browser disc: a folder (a copied or a mounted disc), or a disc\n"
    "image: an ISO 9660 image (.iso, with or without Joliet and Rock Ridge names), a cue sheet\n"
    "(.cue) with its .bin (MODE1/2048, MODE1/2352, MODE2/2352), or a raw .bin.\n"
    "\n"
    "An image is extracted into $XDG_CACHE_HOME/quilcd/ (~/.cache/quilcd/), one folder per\n"
    "image, and reused when it is opened again; its large files are extracted when first\n"
    "needed. Delete that folder to free the space.\n"
    "\n"
    "Exit status: 0 when the window was shown and closed (or a running browser was found),\n"
    "1 when the disc cannot be shown, 2 on bad usage.\n";

// Started from a desktop's launcher, whose standard error nobody reads: the reader is told in a
// message box as well.
bool StartedFromDesktop() {
    return ::isatty(STDERR_FILENO) == 0 && platform::DisplayReachable();
}

int CannotShow(const std::string& why) {
    std::fprintf(stderr, "quilcd-open: %s\n", why.c_str());
    PrepareProcessEnvironment();
    if (StartedFromDesktop()) {
        int argc = 1;
        char name[] = "quilcd-open";
        char* argv[] = {name, nullptr};
        QApplication application(argc, argv);
        QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                        QStringLiteral("The disc cannot be shown: ") +
                            QString::fromLocal8Bit(why.c_str()),
                        QMessageBox::Ok);
        box.exec();
    }
    return 1;
}

} // namespace

int RunOpen(int argc, char** argv, const std::function<int()>& entry) {
    if (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
        std::printf("%s\n%s", kUsage, kHelp);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '\0') {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::optional<disc_image::OpenedDisc> disc;
    try {
        disc = disc_image::OpenDisc(argv[1]);
    } catch (const std::exception& error) {
        return CannotShow(error.what());
    }
    if (disc->cache && disc->cache->skipped > 0)
        std::fprintf(stderr,
                     "quilcd-open: %zu entries of %s were not written: names leading out of "
                     "their folder, links leading out of the disc, devices\n",
                     disc->cache->skipped, argv[1]);
    // Qt reads options from its arguments; the disc's path is not for it.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    return RunProgram(
        qtArgc, qtArgv,
        [&] {
            // Its windows and threads go before the application object and the engine.
            const TOnDemandExtraction extraction(*disc);
            return entry();
        },
        disc->programDir);
}
