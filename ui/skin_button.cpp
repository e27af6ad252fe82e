#include "ui/skin_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

namespace {

// The frame that shows which button has the keyboard focus: a one-pixel dotted line, black over
// white so that it shows on any ground, just inside `area`.
void DrawFocusFrame(QPainter& painter, const QRect& area) {
    const QRect frame = area.adjusted(0, 0, -1, -1); // a pen of one pixel draws one past the edge
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(frame);
    painter.restore();
}

bool IsKeyboardFocus(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

bool IsEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

TSkinButton::TSkinButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
}

void TSkinButton::Press() {
    m_clicking = true;
    update();
    const QPointer<TSkinButton> alive(this);
    click();
    if (!alive)
        return;
    m_clicking = false;
    update();
}

bool TSkinButton::event(QEvent* event) {
    // Qt clicks for the access key a tenth of a second later; the skin clicks at once, as for
    // Enter. Two buttons with one key are left to Qt: each press moves the focus on to the next.
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (!shortcut->isAmbiguous() && !this->shortcut().isEmpty() &&
            shortcut->key() == this->shortcut()) {
            Press();
            return true;
        }
    }
    return QAbstractButton::event(event);
}

void TSkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintFace(painter);
    if (hasFocus() && m_keyboardFocus)
        DrawFocusFrame(painter, rect().adjusted(3, 3, -3, -3));
}

void TSkinButton::keyPressEvent(QKeyEvent* event) {
    // Qt leaves Enter to a dialog's default button; here it clicks the focused one, once a press.
    if (IsEnter(*event)) {
        if (!event->isAutoRepeat())
            Press();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TSkinButton::keyReleaseEvent(QKeyEvent* event) {
    // Qt raises the button before Space's click; the skin keeps it held until the click is
    // handled, as under the mouse.
    m_clicking = isDown() && !event->isAutoRepeat();
    const QPointer<TSkinButton> alive(this);
    QAbstractButton::keyReleaseEvent(event);
    if (!alive || !m_clicking)
        return;
    m_clicking = false;
    update();
}

void TSkinButton::focusInEvent(QFocusEvent* event) {
    // Focus that comes back with the window keeps the frame it had.
    if (IsKeyboardFocus(event->reason()))
        m_keyboardFocus = true;
    else if (event->reason() == Qt::MouseFocusReason)
        m_keyboardFocus = false;
    QAbstractButton::focusInEvent(event);
}
