#include "ui/disc_search_window.h"

#include "search/query.h"
#include "ui/disc_search_session.h"
#include "ui/search_result_list.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 560;
constexpr int kGap = 8;

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TDiscSearchWindow::TDiscSearchWindow(std::unique_ptr<TDiscSearchSession> session,
                                     std::function<QString(int node)> placeOf, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), m_mainWindow(mainWindow), m_session(std::move(session)) {
    setObjectName(QStringLiteral("DiscSearch"));
    setWindowTitle(Utf8("このディスクを検索"));
    setAccessibleName(Utf8("このディスクを検索"));
    resize(kWidth, kHeight);

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("SearchField"));
    m_field->setAccessibleName(Utf8("検索する言葉"));
    m_field->setPlaceholderText(Utf8("探す言葉（いくつでも、空白で区切って）"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("SearchStatus"));
    m_status->setAccessibleName(Utf8("検索の状況"));
    m_status->setWordWrap(true);
    m_results = new TSearchResultList(std::move(placeOf), this);
    m_results->installEventFilter(this);
    m_results->setFocusPolicy(Qt::StrongFocus);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(m_field);
    column->addWidget(m_status);
    column->addWidget(m_results, 1);

    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(kPauseMs);
    connect(m_pause, &QTimer::timeout, this, &TDiscSearchWindow::SearchNow);
    connect(m_field, &QLineEdit::textChanged, this, [this] { m_pause->start(); });
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Choose(m_results->row(item)); });
    connect(m_session.get(), &TDiscSearchSession::Reading, this, [this](int pages) {
        m_status->setText(Utf8("ディスクのページを読んでいます… %1 ページ").arg(pages));
    });
    connect(m_session.get(), &TDiscSearchSession::Answered, this,
            [this](int number, std::shared_ptr<const search::SearchOutcome> outcome) {
                ShowAnswer(number, *outcome);
            });
}

TDiscSearchWindow::~TDiscSearchWindow() = default;

void TDiscSearchWindow::Open() {
    if (!m_placed) {
        PlaceBesideMainWindow();
        m_placed = true;
        m_status->setText(Utf8("ディスクのページを読んでいます…"));
        m_session->Prepare();
    }
    show();
    raise();
    activateWindow();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

QString TDiscSearchWindow::StatusText() const {
    return m_status->text();
}

int TDiscSearchWindow::ResultCount() const {
    return m_results->count();
}

void TDiscSearchWindow::SearchNow() {
    const QString words = m_field->text();
    const search::Query query = search::ParseQuery(words.toStdString());
    switch (query.state) {
    case search::Query::State::Empty:
        ++m_asked; // an answer still coming is of no use now
        m_results->Show({});
        m_status->clear();
        return;
    case search::Query::State::TooLong:
        ++m_asked;
        m_results->Show({});
        m_status->setText(Utf8("言葉が長すぎます。%1 文字までにしてください。")
                              .arg(static_cast<int>(search::kLongestQuery)));
        return;
    case search::Query::State::Words:
        break;
    }
    m_session->Search(words, ++m_asked);
    emit SearchStarted();
}

void TDiscSearchWindow::ShowAnswer(int number, const search::SearchOutcome& outcome) {
    if (number == -1) {
        // The first pass: the disc is read (and kept, when the cache can be written).
        if (m_asked == 0)
            m_status->setText(Utf8("%1 ページを検索できます。").arg(outcome.pages));
        return;
    }
    if (number != m_asked)
        return; // the reader has typed on since
    m_results->Show(outcome.results);
    QString status = outcome.results.empty()
                         ? Utf8("見つかりませんでした（%1 ページ中）。").arg(outcome.pages)
                         : Utf8("%1 件見つかりました（%2 ページ中）。")
                               .arg(outcome.results.size())
                               .arg(outcome.pages);
    if (outcome.skipped > 0)
        status += Utf8("読めないページが %1 あります。").arg(outcome.skipped);
    m_status->setText(status);
    emit ResultsShown();
}

void TDiscSearchWindow::Choose(int row) {
    const search::SearchResult* result = m_results->ResultAt(row);
    if (result == nullptr)
        return;
    emit ResultChosen(result->node, result->page, QString::fromUtf8(result->snippet.firstFound));
}

void TDiscSearchWindow::MoveBy(int rows) {
    if (m_results->count() == 0)
        return;
    const int row = std::clamp(m_results->currentRow() + rows, 0, m_results->count() - 1);
    m_results->setCurrentRow(row);
}

bool TDiscSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (watched == m_field) {
            // The field keeps the focus, so that typing goes on; the list shows the choice.
            MoveBy(key->key() == Qt::Key_Down ? 1 : -1);
            return true;
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (watched == m_field && m_pause->isActive()) {
            m_pause->stop(); // Enter does not wait for the pause
            SearchNow();
            return true;
        }
        Choose(std::max(m_results->currentRow(), 0));
        return true;
    default:
        return false;
    }
}

void TDiscSearchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TDiscSearchWindow::PlaceBesideMainWindow() {
    // To the right of the main window when the screen has room, else to its left, else over
    // its right edge.
    const QRect main = m_mainWindow->frameGeometry();
    const QScreen* screen = m_mainWindow->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    int x = main.right() + 1 + kGap;
    if (x + kWidth > room.right() + 1)
        x = main.left() - kGap - kWidth;
    if (x < room.left())
        x = std::max(room.left(), room.right() + 1 - kWidth);
    const int y =
        std::clamp(main.top(), room.top(), std::max(room.top(), room.bottom() + 1 - kHeight));
    move(x, y);
}
