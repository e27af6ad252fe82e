#include "ui/launch_button.h"

#include "ui/accessible_controls.h"
#include "ui/caption_text.h"
#include "ui/design_fonts.h"
#include "ui/focus_frame.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

constexpr int kBevelWidth = 2;

// The two-pixel bevel: light on the top and left edges and dark on the others when raised,
// the other way round when lowered.
void DrawBevel(QPainter& painter, const QRect& r, bool raised) {
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    const QColor topLeft = raised ? light : dark;
    const QColor bottomRight = raised ? dark : light;
    for (int i = 0; i < kBevelWidth; ++i) {
        const QRect e = r.adjusted(i, i, -i, -i);
        painter.setPen(topLeft);
        painter.drawLine(e.left(), e.top(), e.right() - 1, e.top());
        painter.drawLine(e.left(), e.top(), e.left(), e.bottom() - 1);
        painter.setPen(bottomRight);
        painter.drawLine(e.right(), e.top(), e.right(), e.bottom());
        painter.drawLine(e.left(), e.bottom(), e.right(), e.bottom());
    }
}

bool IsEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool IsSpace(const QKeyEvent& event) {
    return event.key() == Qt::Key_Space && event.modifiers() == Qt::NoModifier;
}

} // namespace

TLaunchButton::TLaunchButton(int tag, QWidget* parent) : QWidget(parent), m_tag(tag) {
    InstallAccessibleControls();
    setObjectName(QStringLiteral("btnPanel%1").arg(tag));
    setCursor(Qt::PointingHandCursor);
    setFont(design_fonts::Font(design_fonts::GothicFace(), 12));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    resize(176, 24);
}

void TLaunchButton::SetCaption(const QString& caption) {
    m_caption = caption;
    // The access key goes with the caption. A hidden button's key does nothing: Qt passes a
    // shortcut only to a visible widget.
    if (m_accessKey != 0)
        releaseShortcut(m_accessKey);
    const QKeySequence accessKey = QKeySequence::mnemonic(caption);
    m_accessKey = accessKey.isEmpty() ? 0 : grabShortcut(accessKey);
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    update();
}

void TLaunchButton::SetOuterBevel(Bevel bevel) {
    m_bevel = bevel;
    update();
}

void TLaunchButton::Press() {
    SetOuterBevel(Bevel::Lowered);
    emit Clicked(this);
    SetOuterBevel(Bevel::Raised);
}

bool TLaunchButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (m_accessKey == 0 || shortcut->shortcutId() != m_accessKey)
            return QWidget::event(event);
        // Two buttons of one page with the same key: each press moves the focus on to the
        // next of them, and Space or Enter chooses, as with any push button.
        if (shortcut->isAmbiguous())
            setFocus(Qt::ShortcutFocusReason);
        else
            Press();
        return true;
    }
    return QWidget::event(event);
}

void TLaunchButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    DrawBevel(painter, rect(), m_bevel == Bevel::Raised);
    const QRect face = rect().adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
    DrawCaption(painter, face, m_caption, font(), Qt::white);
    if (hasFocus() && m_keyboardFocus)
        DrawFocusFrame(painter, face.adjusted(1, 1, -1, -1));
}

void TLaunchButton::mousePressEvent(QMouseEvent* event) {
    m_leftPressForClick = event->button() == Qt::LeftButton;
    emit MouseDown(this);
}

void TLaunchButton::mouseDoubleClickEvent(QMouseEvent*) {
    m_leftPressForClick = false;
    emit MouseDown(this);
}

void TLaunchButton::mouseReleaseEvent(QMouseEvent* event) {
    // Qt grabs the mouse for the press, so the release arrives here wherever the pointer went.
    const bool click = m_leftPressForClick && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftPressForClick = false;
    if (click)
        emit Clicked(this);
    emit MouseUp(this);
}

void TLaunchButton::keyPressEvent(QKeyEvent* event) {
    if (IsSpace(*event)) {
        if (!event->isAutoRepeat()) {
            m_spaceDown = true;
            SetOuterBevel(Bevel::Lowered);
        }
        return;
    }
    if (IsEnter(*event)) {
        if (!event->isAutoRepeat())
            Press();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TLaunchButton::keyReleaseEvent(QKeyEvent* event) {
    if (IsSpace(*event)) {
        if (!event->isAutoRepeat() && m_spaceDown) {
            m_spaceDown = false;
            emit Clicked(this);
            SetOuterBevel(Bevel::Raised);
        }
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TLaunchButton::focusInEvent(QFocusEvent* event) {
    // Focus that comes back with the window keeps the frame it had.
    if (IsKeyboardFocus(event->reason()))
        m_keyboardFocus = true;
    else if (event->reason() == Qt::MouseFocusReason)
        m_keyboardFocus = false;
    QWidget::focusInEvent(event);
}

void TLaunchButton::focusOutEvent(QFocusEvent* event) {
    // Space let go elsewhere is no click.
    if (m_spaceDown) {
        m_spaceDown = false;
        SetOuterBevel(Bevel::Raised);
    }
    QWidget::focusOutEvent(event);
}
