#pragma once

// Every picture of the skin at every scale, painted and ready to write, with the file name it
// goes by ("btnQuit.png", "btnQuit@2x.png").

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
