#pragma once

// Every picture of the skin, painted and ready to write, with the file name it goes by.

#include <QImage>
#include <QString>

#include <vector>

namespace paint {

struct Picture {
    QString file;
    QImage image;
};

std::vector<Picture> PaintSkin();

// The picture of that file name in `pictures`, or a null image.
QImage Find(const std::vector<Picture>& pictures, const char* file);

} // namespace paint
