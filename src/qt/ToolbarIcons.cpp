#include "qt/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace vantric::qt {

namespace {

// Every picture is drawn on a 16 x 16 grid and scaled; pens of width 1 on half coordinates stay sharp
// at 16 pixels.
using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kFolder(236, 190, 60);
const QColor kBlue(46, 100, 180);
const QColor kGreen(36, 150, 60);
const QColor kRed(200, 40, 40);
const QColor kGrey(150, 150, 150);
const QColor kYellowCell(255, 255, 192);

QPen Pen(const QColor& colour, double width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void Page(QPainter& p, double x, double y, double w, double h) {
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - 3, y);
    path.lineTo(x + w, y + 3);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(x + w - 3, y), QPointF(x + w - 3, y + 3));
    p.drawLine(QPointF(x + w - 3, y + 3), QPointF(x + w, y + 3));
}

void TextLines(QPainter& p, double x, double y, double w, int count) {
    p.setPen(Pen(kGrey));
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(x, y + 2 * i), QPointF(x + w, y + 2 * i));
}

void DrawNew(QPainter& p) {
    Page(p, 3.5, 1.5, 9, 13);
    TextLines(p, 5.5, 6.5, 5, 4);
}

void DrawOpen(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(kFolder.darker(115));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {5.5, 3.5}, {6.5, 4.5}, {13.5, 4.5}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}}));
}

void DrawSave(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 1.5, 9, 5));
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.fillRect(QRectF(9, 2, 2, 4), kInk);
}

void DrawCut(QPainter& p) {
    p.setPen(Pen(kInk, 1.4));
    p.drawLine(QPointF(4, 1.5), QPointF(10.5, 10));
    p.drawLine(QPointF(12, 1.5), QPointF(5.5, 10));
    p.setPen(Pen(kRed, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

void DrawCopy(QPainter& p) {
    Page(p, 1.5, 1.5, 8, 10);
    Page(p, 6.5, 4.5, 8, 10);
    TextLines(p, 8.5, 8.5, 4, 3);
}

void DrawPaste(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(QColor(170, 120, 60));
    p.drawRect(QRectF(1.5, 2.5, 10, 12));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 1.5, 4, 3));
    Page(p, 7.5, 6.5, 7, 8);
    TextLines(p, 9, 10, 4, 2);
}

void DrawCompile(QPainter& p) {
    // A gear.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kInk));
    p.setBrush(QColor(120, 130, 145));
    QPainterPath gear;
    const QPointF centre(8, 8);
    for (int i = 0; i < 16; ++i) {
        const double angle = i * M_PI / 8.0 - M_PI / 16.0;
        const double radius = (i % 2 == 0) ? 7.0 : 5.2;
        const QPointF a = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        const QPointF b =
            centre + QPointF(radius * std::cos(angle + M_PI / 8.0), radius * std::sin(angle + M_PI / 8.0));
        if (i == 0)
            gear.moveTo(a);
        else
            gear.lineTo(a);
        gear.lineTo(b);
    }
    gear.closeSubpath();
    p.drawPath(gear);
    p.setBrush(kPaper);
    p.drawEllipse(centre, 2.2, 2.2);
}

void DrawRun(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kGreen.darker(140)));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {14, 8}, {3.5, 14.5}}));
}

void DrawStep(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kBlue.darker(140)));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{1.5, 3}, {9.5, 8}, {1.5, 13}}));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(11, 3, 3, 10), kBlue);
    p.setPen(Pen(kBlue.darker(140)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10.5, 2.5, 3, 10));
}

// An arrow arching over a line of text: the call runs, the next line is where it stops.
void DrawStepOver(QPainter& p) {
    TextLines(p, 4.5, 13.5, 7, 1);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kBlue, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 3.5, 10, 10), 0, 180 * 16);
    p.setPen(Pen(kBlue.darker(140)));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{9.5, 8}, {15.5, 8}, {12.5, 12}}));
}

// A run up to the text cursor.
void DrawRunToCursor(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kGreen.darker(140)));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{1.5, 3}, {9.5, 8}, {1.5, 13}}));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Pen(kInk));
    p.drawLine(QPointF(12.5, 2), QPointF(12.5, 14));
    p.drawLine(QPointF(10.5, 1.5), QPointF(14.5, 1.5));
    p.drawLine(QPointF(10.5, 14.5), QPointF(14.5, 14.5));
}

void DrawHalt(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kRed.darker(150)));
    p.setBrush(kRed);
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const double angle = M_PI / 8.0 + i * M_PI / 4.0;
        octagon << QPointF(8 + 6.8 * std::cos(angle), 8 + 6.8 * std::sin(angle));
    }
    p.drawPolygon(octagon);
    p.setPen(Pen(kPaper, 1.6));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
}

void DrawBreakpoint(QPainter& p) {
    Page(p, 1.5, 1.5, 9, 13);
    TextLines(p, 3.5, 5.5, 5, 4);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kRed.darker(150)));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(11.5, 11.5), 3.5, 3.5);
}

void DrawExit(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.fillRect(QRectF(7, 8, 1, 1), kFolder);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kGreen.darker(130), 1.6));
    p.drawLine(QPointF(9, 8), QPointF(15, 8));
    p.drawLine(QPointF(12.5, 5.5), QPointF(15, 8));
    p.drawLine(QPointF(12.5, 10.5), QPointF(15, 8));
}

// A block of memory cells: address column in light yellow, data in white.
void Cells(QPainter& p, double x, double y, int rows, const QColor& data) {
    for (int r = 0; r < rows; ++r) {
        p.setPen(Pen(kInk));
        p.setBrush(kYellowCell);
        p.drawRect(QRectF(x, y + 3 * r, 3, 3));
        p.setBrush(data);
        p.drawRect(QRectF(x + 3, y + 3 * r, 3, 3));
    }
}

void DrawColumns(QPainter& p) {
    Cells(p, 0.5, 1.5, 4, kPaper);
    Cells(p, 8.5, 1.5, 4, kPaper);
    p.setPen(Pen(kBlue, 1.4));
    p.drawLine(QPointF(2, 15), QPointF(14, 15));
}

void DrawFill(QPainter& p) {
    Cells(p, 1.5, 1.5, 4, QColor(120, 170, 235));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kInk));
    p.setBrush(kBlue);
    QPainterPath drop;
    drop.moveTo(12.5, 6);
    drop.cubicTo(10, 10, 10, 14.5, 12.5, 14.5);
    drop.cubicTo(15, 14.5, 15, 10, 12.5, 6);
    p.drawPath(drop);
}

void DrawMemoryCopy(QPainter& p) {
    Cells(p, 0.5, 1.5, 2, kPaper);
    Cells(p, 9.5, 8.5, 2, kPaper);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kGreen.darker(130), 1.5));
    p.drawLine(QPointF(4, 9), QPointF(4, 12.5));
    p.drawLine(QPointF(4, 12.5), QPointF(8, 12.5));
    p.drawLine(QPointF(6, 10.5), QPointF(8, 12.5));
    p.drawLine(QPointF(6, 14.5), QPointF(8, 12.5));
}

void DrawReset(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Pen(kRed, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 300 * 16);
    p.setPen(Pen(kRed.darker(120)));
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({{6.0, 0.5}, {10.5, 3.0}, {6.0, 5.5}}));
}

void DrawChip(QPainter& p) {
    p.setPen(Pen(kInk));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(4.5 + 2.3 * i, 0.5), QPointF(4.5 + 2.3 * i, 2.5));
        p.drawLine(QPointF(4.5 + 2.3 * i, 13.5), QPointF(4.5 + 2.3 * i, 15.5));
    }
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(2.5, 2.5, 11, 11));
    p.setPen(kYellowCell);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(6);
    p.setFont(font);
    p.drawText(QRectF(2.5, 2.5, 11, 11), Qt::AlignCenter, QStringLiteral("85"));
}

QIcon Render(const Drawing& draw) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon ToolbarIcon(ToolbarKind toolbar, std::string_view key) {
    struct Picture {
        std::string_view key;
        void (*draw)(QPainter&);
    };
    static constexpr Picture kMain[] = {
        {"new", DrawNew},           {"open", DrawOpen},
        {"save", DrawSave},         {"cut", DrawCut},
        {"copy", DrawCopy},         {"paste", DrawPaste},
        {"compile", DrawCompile},   {"run", DrawRun},
        {"step", DrawStep},         {"halt", DrawHalt},
        {"brkpt", DrawBreakpoint},  {"exit", DrawExit},
        {"stepover", DrawStepOver}, {"runtocursor", DrawRunToCursor},
    };
    static constexpr Picture kMemory[] = {
        {"cols", DrawColumns}, {"fill", DrawFill}, {"copy", DrawMemoryCopy}, {"reset", DrawReset}};
    const auto pick = [key](const auto& pictures) -> QIcon {
        for (const Picture& picture : pictures)
            if (picture.key == key) return Render(picture.draw);
        return {};
    };
    return toolbar == ToolbarKind::Main ? pick(kMain) : pick(kMemory);
}

QIcon ApplicationIcon() { return Render(DrawChip); }

}  // namespace vantric::qt
