#include "qt/Logo.h"

#include <QSvgRenderer>

namespace vantric::qt {

void DrawLogo(QPainter& painter, const QRectF& square) {
    QSvgRenderer logo(QStringLiteral(":/vantric.svg"));
    logo.render(&painter, square);
}

QPixmap LogoPixmap(int size, qreal devicePixelRatio) {
    const int pixels = static_cast<int>(size * devicePixelRatio + 0.5);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawLogo(painter, QRectF(0, 0, size, size));
    return pixmap;
}

}  // namespace vantric::qt
