#include "bench/window_choice.h"

#include "bench/load_waiter.h"
#include "ui/contents_tree_view.h"
#include "ui/tform1.h"

#include <QWebEngineView>

QWebEngineView* ViewOf(TForm1& form) {
    return qobject_cast<QWebEngineView*>(form.WebBrowser);
}

bool ShowAndWaitForStartPage(TForm1& form) {
    // The start page is asked for from the loop, after the tree's change delay: listening from
    // here on misses nothing.
    TLoadWaiter start(ViewOf(form));
    form.show();
    return start.Wait();
}

bool ChooseAndWait(TForm1& form, int node) {
    TLoadWaiter waiter(ViewOf(form));
    form.TreeView->SelectNode(node);
    return waiter.Wait();
}
