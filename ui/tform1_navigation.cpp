// The two directions between the contents tree and the page view, and the start page.

#include "ui/tform1.h"

#include "content/disc_path.h"
#include "content/page_keys.h"
#include "pageview/native_path.h"
#include "pageview/page_view.h"
#include "ui/contents_tree_view.h"
#include "ui/unit1.h"

void TForm1::TreeViewChange() {
    const int node = TreeView->SelectedNode();
    if (node < 0)
        return; // a click before anything was selected
    // Unguarded: a node with no line in HtmlList goes to the general error report.
    if (content::ListEntry(*HtmlList, node).empty())
        return; // a heading: the view, the buttons and the flag stay as they are
    NavFromBrowser = false;
    ShowSelectedPage();
}

void TForm1::TreeViewClick() {
    TreeViewChange();
}

void TForm1::ShowSelectedPage() {
    // Every failure here is dropped: a node whose button line or button file cannot be read
    // shows no page, and the view keeps what it shows.
    try {
        const int node = TreeView->SelectedNode();
        if (node < 0)
            return;
        const std::string page(content::ListEntry(*HtmlList, node));
        FillLaunchStrip(node);
        NavigateTo(PageAddress(page));
    } catch (const std::exception&) {
    }
}

void TForm1::NavigateTo(const QUrl& url) {
    m_pageView->Navigate(url);
}

QUrl TForm1::PageAddress(const std::string& page) const {
    return QUrl::fromLocalFile(NativePathText(content::ResolveDiscPath(HtmlDir, page)));
}

const content::PageKeyTable& TForm1::PageKeys() {
    // The lists never change after loading, so the table is built once, when a report first
    // needs it.
    if (!m_pageKeys)
        m_pageKeys = std::make_unique<content::PageKeyTable>(HtmlDir, *HtmlList);
    return *m_pageKeys;
}

void TForm1::WebBrowserDownloadBegin() {
    NavFromBrowser = true;
}

void TForm1::WebBrowserBeforeNavigate2(const QUrl& url) {
    if (!NavFromBrowser)
        return;
    // Only a plain local page can be one of the disc's pages.
    if (!url.isLocalFile() || url.hasQuery() || url.hasFragment())
        return;
    const std::optional<std::string> key =
        content::LocalPathKey(NativePathBytes(url.toLocalFile()));
    if (!key)
        return;
    const std::optional<long long> line = PageKeys().Find(*key);
    if (!line)
        return;
    m_tree.NodeAt(*line); // a line past the tree is the index error, for the general error report
    TreeView->SelectNode(static_cast<int>(*line));
    TreeView->viewport()->repaint();
}

void TForm1::btnBackClick() {
    try {
        m_pageView->GoBack();
    } catch (const std::exception&) {
        // no earlier page: nothing happens
    }
}

void TForm1::ShowStartPage(const std::string& nativePath) {
    NavigateTo(QUrl::fromLocalFile(NativePathText(nativePath)));
}

void TForm1::SelectStartNode(int index) {
    TreeView->SelectNode(index);
}
