#pragma once

#include <QWidget>

// One of the twelve page launch buttons: a black panel with a raised bevel of width 2 and a
// white caption, lowered while any mouse button holds it down. A left press and release over
// the same button is a click; the click comes before the bevel is raised again, so the button
// still looks pressed while its target is being opened. The second press of a double-click
// lowers and raises the bevel but is no click.
//
// From the keyboard the button takes the focus by Tab (never by a click, which leaves the focus
// where it was) and shows a focus frame; Space presses it as the left button does, Enter clicks
// it, and the access key its caption marks with "&" clicks it from anywhere in the window.
class TLaunchButton final : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { Raised, Lowered };

    explicit TLaunchButton(int tag, QWidget* parent = nullptr);

    int Tag() const { return m_tag; }
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    Bevel OuterBevel() const { return m_bevel; }
    void SetOuterBevel(Bevel bevel);
    // The file name of the button's target, which a screen reader gives as its description.
    QString TargetName() const { return m_targetName; }
    void SetTargetName(const QString& name) { m_targetName = name; }

    // A click that comes from the keyboard or a screen reader: lowered while the click is
    // handled, raised after.
    void Press();

signals:
    void Clicked(TLaunchButton* sender);
    void MouseDown(TLaunchButton* sender);
    void MouseUp(TLaunchButton* sender);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_tag;
    QString m_caption;
    QString m_targetName;
    Bevel m_bevel = Bevel::Raised;
    bool m_leftPressForClick = false;
    bool m_spaceDown = false;
    bool m_keyboardFocus = false;
    int m_accessKey = 0; // the shortcut id of the caption's access key; 0 for none
};
