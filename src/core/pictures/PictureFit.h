#pragma once

#include <QSize>

// The size a picture's box takes when the picture is fitted into box keeping
// its proportions; a picture of exactly the box's proportions leaves the box
// at current. Halves round to even.
QSize fitPicture(QSize picture, QSize box, QSize current);
