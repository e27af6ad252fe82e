#include "ui/tform1.h"

#include "assets/skin_layout.h"
#include "assets/skin_pictures.h"
#include "content/launch_strip.h"
#include "pageview/html_engine.h"
#include "platform/screen_metrics.h"
#include "platform/shell_open.h"
#include "platform/version_value.h"
#include "ui/caption_label.h"
#include "ui/contents_tree_view.h"
#include "ui/design_fonts.h"
#include "ui/display_text.h"
#include "ui/launch_button.h"
#include "ui/native_window.h"
#include "ui/picture_button.h"
#include "ui/show_exception.h"
#include "ui/unit1.h"
#include "ui/window_shape.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include <stdexcept>

namespace {

TPictureButton* MakePictureButton(QWidget* parent, const char* name, skin::Glyph glyph,
                                  const char* hintUtf8) {
    auto* button = new TPictureButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(skin::RuleFor(glyph).button);
    // The glyph at the scale of its pixels; the button keys out its corner colour first and
    // resamples it only for a scale between the two pictures.
    button->SetGlyph(skin::LoadPicture(skin::RuleFor(glyph).file,
                                       skin::PictureScale(parent->screen()->devicePixelRatio())));
    button->SetHint(QString::fromUtf8(hintUtf8));
    return button;
}

QRegion ShapeRegion(const std::vector<ShapePart>& parts) {
    QRegion region;
    for (const ShapePart& part : parts) {
        const QRect rect(part.left, part.top, part.right - part.left, part.bottom - part.top);
        region |= QRegion(rect, part.kind == ShapePart::Kind::Ellipse ? QRegion::Ellipse
                                                                      : QRegion::Rectangle);
    }
    return region;
}

} // namespace

TForm1::TForm1(std::unique_ptr<TPageView> pageView)
    : QWidget(nullptr), m_pageView(std::move(pageView)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kMainFormCaption));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(800, 600);
    setFont(design_fonts::Font(design_fonts::GothicFace(), 12));
    setWindowIcon(QIcon(skin::IconPath()));
    setAttribute(Qt::WA_DeleteOnClose, false);
    ConfineHtmlEngineToDisc(HtmlDir); // before the view exists: its pages reach this disc only
    CreateComponents();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    FormCreate();
}

TForm1::~TForm1() {
    for (TLaunchButton*& slot : ButtonPanels)
        slot = nullptr; // the buttons go with the window
}

void TForm1::CreateComponents() {
    skin::InitResources();

    // The three pictures and the label are painted on the window's own surface, beneath every
    // control, and let the mouse through so that a press on them moves the window.
    imgBG = new QLabel(this);
    imgBG->setObjectName(QStringLiteral("imgBG"));
    imgBG->setGeometry(0, 0, 800, 600);
    // The pictures for the scale the window is drawn at, chosen before the window was made.
    const qreal scale = screen()->devicePixelRatio();
    imgBG->setPixmap(QPixmap::fromImage(skin::PictureFor(skin::kBackgroundFile, scale)));
    imgBG->setAttribute(Qt::WA_TransparentForMouseEvents);

    lblInfo = new TCaptionLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setGeometry(572, 160, 207, 20);
    lblInfo->setFont(design_fonts::Font(design_fonts::ArialFace(), 13));
    QPalette labelPalette = lblInfo->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    lblInfo->setPalette(labelPalette);
    lblInfo->SetCaption(QStringLiteral("199n Vol.n No.nn XXX.nn"));

    aboutImage1 = new QLabel(this);
    aboutImage1->setObjectName(QStringLiteral("aboutImage1"));
    aboutImage1->setGeometry(740, 593, 64, 5);
    aboutImage1->setPixmap(QPixmap::fromImage(skin::PictureFor(skin::kCreditFile, scale)));
    aboutImage1->setAttribute(Qt::WA_TransparentForMouseEvents);
    aboutImage1->hide();

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(skin::kPageArea);

    if (!m_pageView) {
        PrepareNativeWindowForHtmlView(*this);
        m_pageView = NewDiscPageView(Panel1);
    }
    WebBrowser = m_pageView->Widget();
    WebBrowser->setParent(Panel1);
    // The report comes from inside the engine's navigation; a failure is shown once the engine
    // has returned, so that no modal box runs inside its callback.
    m_pageView->BeforeNavigate = [this](const QUrl& url) {
        try {
            WebBrowserBeforeNavigate2(url);
        } catch (const std::exception& error) {
            const std::string text = error.what();
            QTimer::singleShot(0, this, [text] { ShowException(std::runtime_error(text)); });
        }
    };
    m_pageView->DownloadBegin = [this] {
        WebBrowserDownloadBegin();
    };

    pnlButton = new QWidget(Panel1);
    pnlButton->setObjectName(QStringLiteral("pnlButton"));
    pnlButton->setAutoFillBackground(true);
    QPalette black = pnlButton->palette();
    black.setColor(QPalette::Window, Qt::black);
    pnlButton->setPalette(black);
    for (int i = 0; i < kLaunchButtons; ++i) {
        auto* button = new TLaunchButton(i, pnlButton);
        button->move(content::ButtonGridLeft(i), content::ButtonTop(i));
        connect(button, &TLaunchButton::MouseDown, this, &TForm1::btnPanel0MouseDown);
        connect(button, &TLaunchButton::MouseUp, this, &TForm1::btnPanel0MouseUp);
        connect(button, &TLaunchButton::Clicked, this, &TForm1::btnPanel0Click);
        btnPanel[static_cast<std::size_t>(i)] = button;
    }
    SetStripHeight(122);

    btnQuit = MakePictureButton(this, "btnQuit", skin::Glyph::Quit, "ブラウザを終了する");
    btnMinimize =
        MakePictureButton(this, "btnMinimize", skin::Glyph::Minimize, "ブラウザを最小化する");
    btnQUILHP = MakePictureButton(this, "btnQUILHP", skin::Glyph::QuilHomePage,
                                  "Quilloreホームページを開く");
    btnTWHP =
        MakePictureButton(this, "btnTWHP", skin::Glyph::TwHomePage, "TARNWICKホームページを開く");

    TreeView = new TContentsTreeView(m_tree, this);
    TreeView->setGeometry(568, 198, 216, 329);
    TreeView->setAccessibleName(QStringLiteral("CONTENTS")); // the word above it on the skin
    ImageList1 = {skin::PictureFor(skin::kExpandedMarkFile, scale),
                  skin::PictureFor(skin::kCollapsedMarkFile, scale)};
    TreeView->SetMarks(ImageList1);

    btnBack = MakePictureButton(this, "btnBack", skin::Glyph::Back, "一つ前のページに戻る");
    BtnQUILLOGO =
        MakePictureButton(this, "BtnQUILLOGO", skin::Glyph::QuilLogo, "Quilloreホームページを開く");
    BtnWICKLOGO =
        MakePictureButton(this, "BtnWICKLOGO", skin::Glyph::WickLogo, "TARNWICKホームページを開く");

    Timer1 = new QTimer(this);

    // Tab order as designed: the page area first, then the commands, the tree and the sites.
    QWidget::setTabOrder(WebBrowser, btnPanel[0]);
    for (int i = 1; i < kLaunchButtons; ++i)
        QWidget::setTabOrder(btnPanel[static_cast<std::size_t>(i - 1)],
                             btnPanel[static_cast<std::size_t>(i)]);
    QWidget::setTabOrder(btnPanel[11], btnQuit);
    QWidget::setTabOrder(btnQuit, btnMinimize);
    QWidget::setTabOrder(btnMinimize, TreeView);
    QWidget::setTabOrder(TreeView, btnQUILHP);
    QWidget::setTabOrder(btnQUILHP, btnTWHP);
    QWidget::setTabOrder(btnTWHP, btnBack);
    QWidget::setTabOrder(btnBack, BtnQUILLOGO);
    QWidget::setTabOrder(BtnQUILLOGO, BtnWICKLOGO);

    connect(btnQuit, &QAbstractButton::clicked, this, [this] { btnQuitClick(); });
    connect(btnMinimize, &QAbstractButton::clicked, this, [this] { btnMinimizeClick(); });
    connect(btnQUILHP, &QAbstractButton::clicked, this, [this] { btnQUILHPClick(); });
    connect(BtnQUILLOGO, &QAbstractButton::clicked, this, [this] { btnQUILHPClick(); });
    connect(btnTWHP, &QAbstractButton::clicked, this, [this] { btnTWHPClick(); });
    connect(BtnWICKLOGO, &QAbstractButton::clicked, this, [this] { btnTWHPClick(); });
    connect(btnBack, &QAbstractButton::clicked, this, [this] { btnBackClick(); });
    connect(TreeView, &TContentsTreeView::Change, this,
            [this] { ReportFailures([this] { TreeViewChange(); }); });
    connect(TreeView, &TContentsTreeView::Click, this,
            [this] { ReportFailures([this] { TreeViewClick(); }); });
    connect(TreeView, &TContentsTreeView::NodeExpanded, this, &TForm1::TreeViewExpanded);
    connect(TreeView, &TContentsTreeView::NodeCollapsed, this, &TForm1::TreeViewCollapsed);
    SetUpSearch();
}

void TForm1::FormCreate() {
    for (int i = 0; i < kLaunchButtons; ++i)
        ButtonPanels[static_cast<std::size_t>(i)] = btnPanel[static_cast<std::size_t>(i)];

    const QSize screen = platform::PrimaryScreenSize();
    switch (ChooseWindowForm(screen.width(), screen.height(),
                             platform::IsWindows98(platform::SystemVersionValue()))) {
    case WindowForm::Maximised:
        setWindowState(Qt::WindowMaximized);
        break;
    case WindowForm::Rounded:
        setMask(ShapeRegion(RoundedWindowShape(width(), height())));
        break;
    case WindowForm::Rectangular:
        break;
    }

    ReportFailures([this] {
        content::RunLoadSequence({ProgramDir, HtmlDir}, m_tree, *HtmlList, *ButtonList, *this);
    });
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Quit works whatever a page does; a page dialog still open is ended first (TPageView).
    if (!m_pageView->ReadyToClose([this] { close(); })) {
        event->ignore();
        return;
    }
    clearMask(); // FormClose: the shape goes without a redraw, whether or not one was set
    event->accept();
}

void TForm1::btnQuitClick() {
    close();
}

void TForm1::btnMinimizeClick() {
    showMinimized();
}

QUrl TForm1::MagazineSite() {
    return QUrl(QStringLiteral("http://www.quillore.example/"));
}
QUrl TForm1::PublisherSite() {
    return QUrl(QStringLiteral("http://www.tarnwick.example/"));
}

void TForm1::btnQUILHPClick() {
    platform::ShellOpenAddress(MagazineSite());
}
void TForm1::btnTWHPClick() {
    platform::ShellOpenAddress(PublisherSite());
}

// Moving by the surface: the background, the label and the hidden credit strip let the mouse
// through to here. A window manager moves the window when asked; without one the window follows
// the pointer itself.
void TForm1::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void TForm1::mouseDoubleClickEvent(QMouseEvent*) {
    // The surface has no click or double-click of its own: no hidden about box.
}

// --- the contents tree ---

void TForm1::BeginTreeBuild() {
    TreeView->BeginRebuild();
}
void TForm1::EndTreeBuild() {
    TreeView->EndRebuild();
}
void TForm1::ExpandNode(int index) {
    TreeView->ExpandNode(index);
}
void TForm1::SetInfoCaption(const std::string& caption) {
    lblInfo->SetCaption(DisplayText(caption));
}
void TForm1::RepaintTree() {
    TreeView->viewport()->repaint();
}
void TForm1::CollapseStrip() {
    SetStripHeight(0);
}

void TForm1::TreeViewExpanded(int) {
    TreeView->viewport()->repaint();
}
void TForm1::TreeViewCollapsed(int) {
    TreeView->viewport()->repaint();
}

// --- the launch strip ---

int TForm1::StripHeight() const {
    return m_stripHeight;
}

void TForm1::SetStripHeight(int height) {
    // The strip sits on the bottom of the page area; the page view takes what it leaves.
    m_stripHeight = height;
    pnlButton->setGeometry(0, Panel1->height() - height, Panel1->width(), height);
    pnlButton->setVisible(height > 0);
    WebBrowser->setGeometry(0, 0, Panel1->width(), Panel1->height() - height);
}
