// The look of every template picture, drawn as vectors so a cell stays
// crisp at any device pixel ratio.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "board/kinds.h"

class QPainter;

namespace vexalon {

constexpr int kPictureSize = 60;

// Paints the picture into a 60 x 60 area at the painter's origin.
void PaintPicture(QPainter& painter, Picture picture);

// The picture rendered once per device pixel ratio, then shared.
const QPixmap& PicturePixmap(Picture picture, qreal devicePixelRatio);

// The window icon: the up-and-down green square.
QIcon GameIcon();

}  // namespace vexalon
