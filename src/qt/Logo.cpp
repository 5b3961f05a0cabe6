#include "qt/Logo.h"

#include <QFont>
#include <QPainterPath>

namespace vantric::qt {

namespace {
const QColor kBody(52, 56, 64);
const QColor kBodyEdge(24, 26, 30);
const QColor kPin(196, 200, 206);
const QColor kPinEdge(110, 114, 120);
const QColor kPrint(236, 236, 228);
const QColor kNotch(30, 32, 36);
}  // namespace

void DrawLogo(QPainter& painter, const QRectF& square) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Everything below is laid out on a 100 by 100 grid.
    painter.translate(square.topLeft());
    painter.scale(square.width() / 100.0, square.height() / 100.0);

    // Twenty pins down each side of a package turned upright.
    painter.setPen(QPen(kPinEdge, 0.6));
    painter.setBrush(kPin);
    const int pins = 20;
    const double top = 8.0;
    const double pitch = 84.0 / pins;
    for (int i = 0; i < pins; ++i) {
        const double y = top + i * pitch + pitch * 0.25;
        painter.drawRect(QRectF(18.0, y, 8.0, pitch * 0.5));
        painter.drawRect(QRectF(74.0, y, 8.0, pitch * 0.5));
    }

    QPainterPath body;
    body.addRoundedRect(QRectF(25.0, 4.0, 50.0, 92.0), 3.0, 3.0);
    QPainterPath notch;
    notch.addEllipse(QPointF(50.0, 4.0), 6.0, 6.0);
    painter.setPen(QPen(kBodyEdge, 1.0));
    painter.setBrush(kBody);
    painter.drawPath(body.subtracted(notch));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNotch);
    painter.drawEllipse(QPointF(33.0, 14.0), 2.5, 2.5);  // pin 1 mark

    // The part number, printed along the package.
    painter.translate(50.0, 50.0);
    painter.rotate(-90.0);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(kPrint);
    painter.drawText(QRectF(-44.0, -14.0, 88.0, 28.0), Qt::AlignCenter, QStringLiteral("8085"));
    painter.restore();
}

QPixmap LogoPixmap(int size, qreal devicePixelRatio) {
    QPixmap pixmap(static_cast<int>(size * devicePixelRatio + 0.5), static_cast<int>(size * devicePixelRatio + 0.5));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawLogo(painter, QRectF(0, 0, size, size));
    return pixmap;
}

}  // namespace vantric::qt
