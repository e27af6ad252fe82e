#pragma once

#include "fake_page_view.h"
#include "shared_state_scope.h"
#include "tests/support/example_disc.h"
#include "tests/support/qt_wait.h"
#include "tests/support/temp_folder.h"
#include "ui/contents_tree_view.h"
#include "ui/tform1.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>
#include <optional>

// A window on a disc of the test's own, with a fake page view and the error reports collected
// instead of shown.
class FormFixture {
public:
    testkit::TempDisc disc;
    std::vector<QUrl> navigations;
    int backs = 0;
    QStringList reports;
    FakePageView* view = nullptr;
    std::optional<SharedStateScope> state; // declared before the window: it outlives it
    std::unique_ptr<TForm1> form;

    void WriteExampleDisc() { testkit::WriteExampleDisc(disc.root()); }

    void Start() {
        form.reset();
        state.emplace(disc.programDir(), disc.htmlDir(), &reports);
        auto fake = std::make_unique<FakePageView>(&navigations, &backs);
        view = fake.get();
        form = std::make_unique<TForm1>(std::move(fake));
    }

    QUrl Page(const char* relative) const {
        return QUrl::fromLocalFile(QString::fromStdString(disc.htmlDir() + relative));
    }

    // Lets the tree's change run (it comes from the tree's timer, 50 ms after a selection), then
    // the work posted on the way (a report shown once the engine has returned, say), however
    // slow the machine is at the moment.
    void Settle() const {
        if (form)
            WaitFor([this] { return !form->TreeView->ChangePending(); });
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
};
