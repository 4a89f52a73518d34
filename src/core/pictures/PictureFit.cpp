#include "core/pictures/PictureFit.h"

#include <cmath>

QSize fitPicture(QSize picture, QSize box, QSize current)
{
    const double w = picture.width();
    const double h = picture.height();
    if (w <= 0 || h <= 0)
        return current;
    const double ratio = w / h;
    const double boxRatio = double(box.width()) / box.height();
    if (ratio > boxRatio)
        return {box.width(), int(std::nearbyint(h / (w / box.width())))};
    if (ratio < boxRatio)
        return {int(std::nearbyint(w / (h / box.height()))), box.height()};
    return current;
}
