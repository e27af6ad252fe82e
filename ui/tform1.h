#pragma once

#include "content/content_tree.h"
#include "content/load_sequence.h"
#include "content/page_keys.h"
#include "pageview/page_view.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class TCaptionLabel;
class TDiscSearchWindow;
class TFindBar;
class TContentsTreeView;
class TLaunchButton;

class TPictureButton;

// The one window: a frameless, skinned 800 x 600 surface with the page area on the left (the
// HTML view above the launch strip) and the right-hand column with the logos, the issue label,
// the contents tree and the Back, Minimise and Quit buttons. The window is moved by its own
// surface; its controls take their clicks as usual.
class TForm1 final : public QWidget, private content::LoadTarget {
    Q_OBJECT
public:
    // Builds the window with its controls and runs FormCreate. A page view may be handed in (the
    // tests hand in a fake); otherwise the window makes its own on Qt WebEngine.
    explicit TForm1(std::unique_ptr<TPageView> pageView = nullptr);
    ~TForm1() override;

    // Controls, named as the whole team knows them.
    QLabel* imgBG = nullptr;
    TCaptionLabel* lblInfo = nullptr;
    QLabel* aboutImage1 = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* WebBrowser = nullptr; // the page view's widget
    QWidget* pnlButton = nullptr;
    std::array<TLaunchButton*, 12> btnPanel{};
    TPictureButton* btnQuit = nullptr;
    TPictureButton* btnMinimize = nullptr;
    TPictureButton* btnQUILHP = nullptr;
    TPictureButton* btnTWHP = nullptr;
    TContentsTreeView* TreeView = nullptr;
    TPictureButton* btnBack = nullptr;
    TPictureButton* BtnQUILLOGO = nullptr;
    TPictureButton* BtnWICKLOGO = nullptr;
    std::array<QImage, 2> ImageList1;
    QTimer* Timer1 = nullptr; // no handler: the window has no timer-driven behaviour

    TPageView& PageView() { return *m_pageView; }
    int StripHeight() const;

    // Event handlers.
    void FormCreate();
    void btnQuitClick();
    void btnMinimizeClick();
    void btnQUILHPClick();
    void btnTWHPClick();
    void btnBackClick();
    void TreeViewChange();
    void TreeViewClick();
    void TreeViewExpanded(int node);
    void TreeViewCollapsed(int node);
    void btnPanel0MouseDown(TLaunchButton* sender);
    void btnPanel0MouseUp(TLaunchButton* sender);
    void btnPanel0Click(TLaunchButton* sender);
    void WebBrowserBeforeNavigate2(const QUrl& url);
    void WebBrowserDownloadBegin();

    void ShowSelectedPage();
    void NavigateTo(const QUrl& url);

    // Find in the page (Ctrl+F) and search the disc (Ctrl+Shift+F, or the page's context menu).
    void OpenFindBar();
    void OpenDiscSearch();
    TFindBar* FindBar() const { return m_findBar; }
    TDiscSearchWindow* DiscSearchWindow() const { return m_searchWindow; }

    // The two web sites the picture buttons open.
    static QUrl MagazineSite();
    static QUrl PublisherSite();

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void CreateComponents();
    void SetStripHeight(int height);
    void FillLaunchStrip(int node);
    QUrl PageAddress(const std::string& pageLineCp932) const;
    const content::PageKeyTable& PageKeys();
    void SetUpSearch();
    void ShowSearchResult(int node, const std::string& page, const QString& wordAsWritten);
    void MarkWordOn(const QUrl& shown);
    QString PlaceInTree(int node) const;

    // What the load sequence does to the window.
    void BeginTreeBuild() override;
    void EndTreeBuild() override;
    void ExpandNode(int index) override;
    void SetInfoCaption(const std::string& captionCp932) override;
    void RepaintTree() override;
    void CollapseStrip() override;
    void ShowStartPage(const std::string& nativePath) override;
    void SelectStartNode(int index) override;

    content::ContentTree m_tree;
    std::unique_ptr<TPageView> m_pageView;
    std::unique_ptr<content::PageKeyTable> m_pageKeys;
    int m_stripHeight = 122;
    TFindBar* m_findBar = nullptr;
    TDiscSearchWindow* m_searchWindow = nullptr; // made when first opened
    QString m_wordToMark;                        // marked by the find bar once m_markOn is shown
    QUrl m_markOn;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
