#include "ui/launch_button.h"

#include "ui/accessible_controls.h"
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

TLaunchButton::TLaunchButton(int tag, QWidget* parent) : TSkinButton(parent), m_tag(tag) {
    InstallAccessibleControls();
    setObjectName(QStringLiteral("btnPanel%1").arg(tag));
    setFont(design_fonts::Font(design_fonts::GothicFace(), 12));
    setFocusPolicy(Qt::TabFocus);
    resize(176, 24);
    connect(this, &QAbstractButton::clicked, this, [this] { emit Clicked(this); });
}

TLaunchButton::Bevel TLaunchButton::OuterBevel() const {
    return m_bevel == Bevel::Lowered || LooksHeld() ? Bevel::Lowered : Bevel::Raised;
}

void TLaunchButton::SetOuterBevel(Bevel bevel) {
    m_bevel = bevel;
    update();
}

bool TLaunchButton::event(QEvent* event) {
    const bool handled = TSkinButton::event(event);
    // The style's polish leaves a push button's ground for the strip beneath to paint; this
    // button paints every pixel of its own.
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_OpaquePaintEvent);
    return handled;
}

void TLaunchButton::PaintFace(QPainter& painter) {
    painter.fillRect(rect(), Qt::black);
    DrawBevel(painter, rect(), OuterBevel() == Bevel::Raised);
    const QRect face = rect().adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
    DrawCaption(painter, face, text(), font(), Qt::white);
}

bool TLaunchButton::hitButton(const QPoint& pos) const {
    // Qt took the second press of a double click for the start of a click; until its release
    // the pointer hits nothing, so that moving it cannot make that press a click again.
    return !m_secondPress && TSkinButton::hitButton(pos);
}

void TLaunchButton::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(this);
    // Qt follows the left button's click. A press of any button stays here: none moves the
    // window.
    if (event->button() == Qt::LeftButton) {
        m_secondPress = false;
        TSkinButton::mousePressEvent(event);
    }
    event->accept();
}

void TLaunchButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // Comes after the press of the same second click, or in its place.
    if (event->button() == Qt::LeftButton) {
        m_secondPress = true;
        setDown(false);
    }
    event->accept();
    emit MouseDown(this);
}

void TLaunchButton::mouseReleaseEvent(QMouseEvent* event) {
    // Qt grabs the mouse for the press, so the release arrives here wherever the pointer went;
    // the click it makes comes before the bevel is raised.
    if (event->button() == Qt::LeftButton) {
        TSkinButton::mouseReleaseEvent(event);
        m_secondPress = false;
    }
    event->accept();
    emit MouseUp(this);
}
