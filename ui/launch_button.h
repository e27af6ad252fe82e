#pragma once

#include <QWidget>

// One of the twelve page launch buttons: a black panel with a raised bevel of width 2 and a
// white caption, lowered while any mouse button holds it down. A left press and release over
// the same button is a click; the click comes before the bevel is raised again, so the button
// still looks pressed while its target is being opened. The second press of a double-click
// lowers and raises the bevel but is no click.
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

signals:
    void Clicked(TLaunchButton* sender);
    void MouseDown(TLaunchButton* sender);
    void MouseUp(TLaunchButton* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_tag;
    QString m_caption;
    Bevel m_bevel = Bevel::Raised;
    bool m_leftPressForClick = false;
};
