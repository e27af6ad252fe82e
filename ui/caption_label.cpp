#include "ui/caption_label.h"

#include "ui/caption_text.h"

#include <QPainter>

TCaptionLabel::TCaptionLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TCaptionLabel::SetCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void TCaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawCaption(painter, rect(), m_caption, font(), palette().color(QPalette::WindowText),
                Qt::AlignHCenter | Qt::AlignTop);
}
