// Find in the page and search the disc: the shortcuts, the find bar over the page view and the
// search window beside the window.

#include "ui/tform1.h"

#include "content/cp932.h"
#include "pageview/native_path.h"
#include "search/disc_search.h"
#include "search/index_place.h"
#include "ui/contents_tree_view.h"
#include "ui/disc_search_session.h"
#include "ui/disc_search_window.h"
#include "ui/find_bar.h"
#include "ui/show_exception.h"
#include "ui/unit1.h"

#include <QShortcut>

void TForm1::SetUpSearch() {
    m_findBar = new TFindBar(WebBrowser, Panel1);
    connect(m_findBar, &TFindBar::Find, this,
            [this](const QString& text, bool backward) { m_pageView->FindText(text, backward); });
    m_pageView->FindResult = [this](int active, int count) {
        m_findBar->ShowResult(active, count);
    };
    m_pageView->SearchDiscRequested = [this] {
        OpenDiscSearch();
    };
    m_pageView->PageShown = [this](const QUrl& shown) {
        MarkWordOn(shown);
    };

    // Window shortcuts: they work wherever the focus is in the window, in the page too.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
            &TForm1::OpenFindBar);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), this),
            &QShortcut::activated, this, &TForm1::OpenDiscSearch);
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this,
            [this] { m_findBar->FindAgain(false); });
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this), &QShortcut::activated, this,
            [this] { m_findBar->FindAgain(true); });
}

void TForm1::OpenFindBar() {
    m_findBar->Open();
}

void TForm1::OpenDiscSearch() {
    if (!m_searchWindow) {
        const content::DiscDirs dirs{ProgramDir, HtmlDir};
        search::DiscSearch disc(dirs, *HtmlList, search::IndexPlaceFor(dirs).path);
        m_searchWindow = new TDiscSearchWindow(
            std::make_unique<TDiscSearchSession>(std::move(disc)),
            [this](int node) { return PlaceInTree(node); }, this);
        connect(m_searchWindow, &TDiscSearchWindow::ResultChosen, this, &TForm1::ShowSearchResult);
    }
    m_searchWindow->Open();
}

QString TForm1::PlaceInTree(int node) const {
    if (node < 0 || node >= m_tree.Count())
        return {};
    QString place;
    for (int at = node; at >= 0; at = m_tree[at].parent)
        place = QString::fromUtf8(content::Cp932ToUtf8(m_tree.TextOf(at))) +
                (place.isEmpty() ? QString() : QStringLiteral(" › ") + place);
    return place;
}

void TForm1::ShowSearchResult(int node, const std::string& page, const QString& wordAsWritten) {
    m_wordToMark = wordAsWritten;
    if (node >= 0 && node < m_tree.Count()) {
        // The tree moves to the entry and shows its page, as a reader's choice there does; an
        // entry already chosen shows its page again at once, as a click on it does.
        m_markOn = PageAddress(std::string(content::ListEntry(*HtmlList, node)));
        if (TreeView->SelectedNode() == node)
            ReportFailures([this] { TreeViewChange(); });
        else
            TreeView->SelectNode(node);
        return;
    }
    // A page only links reach: the view shows it, the tree stays where it is.
    m_markOn = QUrl::fromLocalFile(NativePathText(HtmlDir + page));
    NavigateTo(m_markOn);
}

void TForm1::MarkWordOn(const QUrl& shown) {
    if (m_wordToMark.isEmpty() || shown.toLocalFile() != m_markOn.toLocalFile())
        return;
    m_findBar->Open(m_wordToMark);
    m_wordToMark.clear();
}
