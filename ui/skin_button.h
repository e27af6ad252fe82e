#pragma once

#include <QAbstractButton>

class QPainter;

// A button of the skin: Qt's button (the left click, Space, the access key its text marks, Tab)
// drawn by each kind in its own look, with what the skin adds to it. Enter clicks the focused
// button; a click from the keyboard or a screen reader is handled at once while the button
// looks held; a focus frame shows only when the keyboard brought the focus, so that nothing a
// mouse does changes how the window looks.
class TSkinButton : public QAbstractButton {
    Q_OBJECT
public:
    // A click from the keyboard or a screen reader: the button looks held until it is handled.
    void Press();

protected:
    explicit TSkinButton(QWidget* parent);

    // Whether the face is drawn held: by the left button over it, by Space, or while a click
    // from the keyboard is handled.
    bool LooksHeld() const { return isDown() || m_clicking; }
    // The button's own look; the focus frame is drawn over it.
    virtual void PaintFace(QPainter& painter) = 0;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) final;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_clicking = false;
    bool m_keyboardFocus = false;
};
