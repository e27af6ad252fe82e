#pragma once

#include "ui/skin_button.h"

// One of the twelve page launch buttons: a black panel with a raised bevel of width 2 and a
// white caption, lowered while any mouse button holds it down. A left press and release over
// the same button is a click; the click comes before the bevel is raised again, so the button
// still looks pressed while its target is being opened. The second press of a double-click
// lowers and raises the bevel but is no click.
//
// The caption is the button's text, so "&" marks its access key as on any Qt button. The button
// takes the focus by Tab, never by a click, which leaves the focus where it was.
class TLaunchButton final : public TSkinButton {
    Q_OBJECT
public:
    enum class Bevel { Raised, Lowered };

    explicit TLaunchButton(int tag, QWidget* parent = nullptr);

    int Tag() const { return m_tag; }
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    // The bevel as drawn: lowered while the mouse handlers hold it down, and while Space, Enter,
    // the access key or a screen reader presses the button.
    Bevel OuterBevel() const;
    void SetOuterBevel(Bevel bevel);
    // The file name of the button's target, which a screen reader gives as its description.
    QString TargetName() const { return m_targetName; }
    void SetTargetName(const QString& name) { m_targetName = name; }

signals:
    void Clicked(TLaunchButton* sender);
    void MouseDown(TLaunchButton* sender);
    void MouseUp(TLaunchButton* sender);

protected:
    bool event(QEvent* event) override;
    void PaintFace(QPainter& painter) override;
    bool hitButton(const QPoint& pos) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_tag;
    QString m_targetName;
    Bevel m_bevel = Bevel::Raised;
    bool m_secondPress = false; // the left button is down for a double click's second press
};
