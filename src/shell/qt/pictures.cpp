#include "shell/qt/pictures.h"

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <optional>

namespace vexalon {
namespace {

struct DigitColours {
  QColor light;
  QColor dark;
};

const std::array<DigitColours, 5> kColours{{
    {QColor(206, 132, 206), QColor(156, 0, 156)},  // 0 violet
    {QColor(49, 173, 0), QColor(0, 82, 0)},        // 1 green
    {QColor(255, 255, 0), QColor(255, 82, 0)},     // 2 yellow
    {QColor(255, 0, 0), QColor(156, 0, 0)},        // 3 red
    {QColor(66, 16, 255), QColor(33, 8, 123)},     // 4 blue
}};

constexpr qreal kCentre = kPictureSize / 2.0;
constexpr qreal kBand = 4;  // width of a square's outline

qreal Side(int digit) { return 24 + 4 * digit; }

QRectF CentredSquare(qreal side) { return {kCentre - side / 2, kCentre - side / 2, side, side}; }

// A light line running along the middle of a darker band.
void StrokeOutline(QPainter& painter, const QPainterPath& path, int digit) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kColours[digit].dark, kBand, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPath(path);
  painter.setPen(QPen(kColours[digit].light, kBand / 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPath(path);
}

QPainterPath SquarePath(int digit) {
  QPainterPath path;
  path.addRect(CentredSquare(Side(digit) - kBand));
  return path;
}

// Small filled triangles in the middle of the top or bottom edge, their
// tips 5 px beyond the edge.
void PaintArrow(QPainter& painter, int digit, bool up) {
  qreal edge = up ? kCentre - Side(digit) / 2 : kCentre + Side(digit) / 2;
  qreal tip = up ? edge - 5 : edge + 5;
  qreal base = up ? edge + 3 : edge - 3;
  QPolygonF triangle{{QPointF(kCentre, tip), QPointF(kCentre - 7, base), QPointF(kCentre + 7, base)}};
  painter.setPen(QPen(kColours[digit].dark, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  painter.setBrush(kColours[digit].light);
  painter.drawPolygon(triangle);
}

void PaintSquare(QPainter& painter, int digit, bool up, bool down) {
  StrokeOutline(painter, SquarePath(digit), digit);
  if (up) PaintArrow(painter, digit, true);
  if (down) PaintArrow(painter, digit, false);
}

void PaintDiamond(QPainter& painter, int digit) {
  QTransform turn;
  turn.translate(kCentre, kCentre);
  turn.rotate(45);
  turn.translate(-kCentre, -kCentre);
  StrokeOutline(painter, turn.map(SquarePath(digit)), digit);
}

// Nested bands, blue outermost, violet innermost, around a black centre.
void PaintMultiColour(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  for (int digit = 4; digit >= 0; --digit) {
    painter.setBrush(kColours[digit].light);
    painter.drawRect(CentredSquare(Side(digit)));
  }
  painter.setBrush(Qt::black);
  painter.drawRect(CentredSquare(Side(0) - 4));
}

}  // namespace

void PaintPicture(QPainter& painter, Picture picture) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, kPictureSize, kPictureSize), Qt::black);
  if (picture == Picture::sq1234) {
    PaintMultiColour(painter);
  } else if (std::optional<PictureLook> look = LookOf(picture)) {
    if (look->marked)
      PaintDiamond(painter, look->digit);
    else
      PaintSquare(painter, look->digit, look->up, look->down);
  }
  painter.restore();
}

const QPixmap& PicturePixmap(Picture picture, qreal devicePixelRatio) {
  static QHash<qreal, std::array<QPixmap, kPictureCount>> cache;
  auto& pixmaps = cache[devicePixelRatio];
  QPixmap& pixmap = pixmaps[static_cast<std::size_t>(picture)];
  if (pixmap.isNull()) {
    int pixels = qCeil(kPictureSize * devicePixelRatio);
    pixmap = QPixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    PaintPicture(painter, picture);
  }
  return pixmap;
}

QIcon GameIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    QPainter painter(&pixmap);
    painter.scale(size / qreal(kPictureSize), size / qreal(kPictureSize));
    PaintPicture(painter, Picture::sq1updown);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace vexalon
