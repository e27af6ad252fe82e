#include "ui/launch_button.h"

#include "ui/caption_text.h"
#include "ui/design_fonts.h"

#include <QMouseEvent>
#include <QPainter>

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

} // namespace

TLaunchButton::TLaunchButton(int tag, QWidget* parent) : QWidget(parent), m_tag(tag) {
    setObjectName(QStringLiteral("btnPanel%1").arg(tag));
    setCursor(Qt::PointingHandCursor);
    setFont(design_fonts::Font(design_fonts::GothicFace(), 12));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(176, 24);
}

void TLaunchButton::SetCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void TLaunchButton::SetOuterBevel(Bevel bevel) {
    m_bevel = bevel;
    update();
}

void TLaunchButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    DrawBevel(painter, rect(), m_bevel == Bevel::Raised);
    const QRect face = rect().adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
    DrawCaption(painter, face, m_caption, font(), Qt::white);
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
