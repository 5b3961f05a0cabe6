#pragma once
#include <QPainter>
#include <QPixmap>
#include <QRectF>

namespace vantric::qt {

// The program's logo (data/vantric.svg): an 8085 chip in its forty-pin package, drawn to fill the
// given square.
void DrawLogo(QPainter& painter, const QRectF& square);

// The logo as a picture of the given size in pixels, on a transparent background.
QPixmap LogoPixmap(int size, qreal devicePixelRatio = 1.0);

}  // namespace vantric::qt
