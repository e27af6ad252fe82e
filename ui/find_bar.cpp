#include "ui/find_bar.h"

#include "ui/design_fonts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

// The launch strip's look: black ground, white text, buttons with the two-pixel bevel; the field
// is white with the tree's heading green around it.
const char* const kStyle = "TFindBar { background: #000000; border-top: 1px solid #557468; }"
                           "QLabel { color: #FFFFFF; }"
                           "QLineEdit { background: #FFFFFF; color: #000000;"
                           " border: 1px solid #557468; padding: 0 2px; }"
                           "QToolButton { background: #000000; color: #FFFFFF;"
                           " border: 2px outset #808080; padding: 0 4px; }"
                           "QToolButton:pressed { border-style: inset; }"
                           "QToolButton:focus { border-color: #C0C0C0; }";

QToolButton* MakeButton(QWidget* parent, const char* name, const char* text, const char* tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(text));
    button->setToolTip(QString::fromUtf8(tip));
    button->setAccessibleName(QString::fromUtf8(tip));
    button->setFocusPolicy(Qt::TabFocus);
    button->setFixedHeight(TFindBar::kHeight - 6);
    return button;
}

} // namespace

TFindBar::TFindBar(QWidget* view, QWidget* parent) : QWidget(parent), m_view(view) {
    setObjectName(QStringLiteral("FindBar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromLatin1(kStyle));
    setFont(design_fonts::Font(design_fonts::GothicFace(), 12));
    setAccessibleName(QString::fromUtf8("ページ内検索"));

    auto* label = new QLabel(QString::fromUtf8("ページ内検索"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("FindField"));
    m_field->setAccessibleName(QString::fromUtf8("ページ内で探す言葉"));
    m_field->setFixedSize(220, kHeight - 8);
    m_field->installEventFilter(this);
    label->setBuddy(m_field);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FindCount"));
    m_count->setAccessibleName(QString::fromUtf8("見つかった場所"));
    m_count->setMinimumWidth(56);
    m_count->setAlignment(Qt::AlignCenter);
    m_previous = MakeButton(this, "FindPrevious", "▲ 前", "前を探す (Shift+Enter)");
    m_next = MakeButton(this, "FindNext", "▼ 次", "次を探す (Enter)");
    m_close = MakeButton(this, "FindClose", "×", "ページ内検索を閉じる (Esc)");

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 4, 2);
    row->setSpacing(6);
    row->addWidget(label);
    row->addWidget(m_field);
    row->addWidget(m_count);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addStretch(1);
    row->addWidget(m_close);

    connect(m_field, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty())
            m_count->clear();
        emit Find(text, false);
    });
    connect(m_previous, &QToolButton::clicked, this, [this] { FindAgain(true); });
    connect(m_next, &QToolButton::clicked, this, [this] { FindAgain(false); });
    connect(m_close, &QToolButton::clicked, this, &TFindBar::Close);

    m_view->installEventFilter(this);
    hide();
}

void TFindBar::Open(const QString& text) {
    FollowView();
    show();
    raise();
    if (!text.isNull()) {
        // A new find, not the next place of the last one: the page may be another by now.
        m_field->setText(text);
        emit Find(QString(), false);
        emit Find(text, false);
    }
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void TFindBar::Close() {
    if (!isVisible())
        return;
    hide();
    m_count->clear();
    emit Find(QString(), false); // the marks go with the bar
    m_view->setFocus(Qt::OtherFocusReason);
}

QString TFindBar::Text() const {
    return m_field->text();
}

void TFindBar::FindAgain(bool backward) {
    if (!m_field->text().isEmpty())
        emit Find(m_field->text(), backward);
}

void TFindBar::ShowResult(int active, int count) {
    if (!isVisible() || m_field->text().isEmpty())
        return;
    m_count->setText(QStringLiteral("%1/%2").arg(active).arg(count));
}

QString TFindBar::CountText() const {
    return m_count->text();
}

bool TFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            FollowView();
        return false;
    }
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F3:
            FindAgain(shift);
            return true;
        case Qt::Key_Escape:
            Close();
            return true;
        default:
            break;
        }
    }
    return false;
}

void TFindBar::FollowView() {
    // Over the bottom of the page view, inside it: the launch strip below stays as it is.
    const QRect view = m_view->geometry();
    setGeometry(view.left(), view.bottom() + 1 - kHeight, view.width(), kHeight);
    if (isVisible())
        raise();
}
