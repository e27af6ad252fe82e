#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// Draws a caption on one line, centred in the rectangle and cut at its edges, with "&" marking
// the access key of the character after it ("&&" draws one ampersand).
void DrawCaption(QPainter& painter, const QRect& face, const QString& caption, const QFont& font,
                 const QColor& colour, Qt::Alignment alignment = Qt::AlignCenter);

// The caption as a screen reader speaks it: without the access-key marks ("&&" is one ampersand).
QString WithoutAccessKeyMarks(const QString& caption);
