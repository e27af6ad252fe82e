#include "ui/caption_label.h"

#include "ui/accessible_controls.h"
#include "ui/caption_text.h"

#include <QAccessible>
#include <QPainter>

TCaptionLabel::TCaptionLabel(QWidget* parent) : QWidget(parent) {
    InstallAccessibleControls();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TCaptionLabel::SetCaption(const QString& caption) {
    m_caption = caption;
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    update();
}

void TCaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawCaption(painter, rect(), m_caption, font(), palette().color(QPalette::WindowText),
                Qt::AlignHCenter | Qt::AlignTop);
}
