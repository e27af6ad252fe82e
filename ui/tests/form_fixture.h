#pragma once

#include "content/tests/temp_disc.h"
#include "fake_page_view.h"
#include "ui/contents_tree_view.h"
#include "ui/show_exception.h"
#include "ui/tform1.h"
#include "ui/unit1.h"
#include "wait_for.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

// A window on a disc of the test's own, with a fake page view and the error report collected
// instead of shown.
class FormFixture {
public:
    testing_disc::TempDisc disc;
    std::vector<QUrl> navigations;
    int backs = 0;
    QStringList reports;
    FakePageView* view = nullptr;
    std::unique_ptr<TForm1> form;

    // The disc of the list files' worked example: two groups, three pages.
    void WriteExampleDisc() {
        disc.write("menu/tree.txt",
                   "Feature\r\n\tCover story\r\n\tInterview\r\nSoftware\r\n\tUtilities\r\n");
        disc.write("menu/html.txt",
                   "\r\nfeature\\cover.htm\r\nfeature\\talk.htm\r\n\r\nsoft\\util.htm\r\n");
        disc.write("menu/button.txt", "\r\nfeature\\cover.txt\r\n\r\n\r\nsoft\\util.txt\r\n");
        disc.write("menu/init.txt", "1999 Vol.5 No.12\r\n");
        for (const char* page :
             {"_html/feature/cover.htm", "_html/feature/talk.htm", "_html/soft/util.htm"})
            disc.write(page, "<html><body>page</body></html>");
        disc.write("_html/feature/cover.txt", "Install the viewer\r\nfeature\\viewer\\setup.exe\r\n"
                                              "Read me\r\nfeature\\readme.txt\r\n");
    }

    void Start() {
        ProgramDir = disc.programDir();
        HtmlDir = disc.htmlDir();
        HtmlList = std::make_unique<content::StringList>();
        ButtonList = std::make_unique<content::StringList>();
        ButtonTargets = {};
        NavFromBrowser = false;
        SetErrorReportSinkForTesting([this](const QString& text) { reports << text; });
        auto fake = std::make_unique<FakePageView>(&navigations, &backs);
        view = fake.get();
        form = std::make_unique<TForm1>(std::move(fake));
    }

    ~FormFixture() {
        form.reset();
        SetErrorReportSinkForTesting(nullptr);
        HtmlList.reset();
        ButtonList.reset();
    }

    QUrl Page(const char* relative) const {
        return QUrl::fromLocalFile(QString::fromStdString(disc.htmlDir() + relative));
    }

    // Lets the change delay and posted work run, however slow the machine is at the moment.
    void Settle(int ms = 120) const {
        QTest::qWait(ms);
        if (form)
            WaitFor([this] { return !form->TreeView->ChangePending(); });
        QTest::qWait(10);
    }
};
