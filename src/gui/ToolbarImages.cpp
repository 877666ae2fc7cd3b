#include "gui/ToolbarImages.h"

#include <cmath>
#include <functional>
#include <numbers>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "gui/CommandTable.h"

namespace {

constexpr int kSize = 36;

QIcon Draw(const std::function<void(QPainter&)>& draw, int size = kSize)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(kSize), size / double(kSize));
    draw(painter);
    return QIcon(pixmap);
}

const QColor kOutline(60, 60, 60);

void Page(QPainter& p)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(22, 3);
    page.lineTo(29, 10);
    page.lineTo(29, 33);
    page.lineTo(7, 33);
    page.closeSubpath();
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{22, 3}, {22, 10}, {29, 10}}));
}

void Plus(QPainter& p, QPointF centre, QColor colour)
{
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre - QPointF(6, 0), centre + QPointF(6, 0));
    p.drawLine(centre - QPointF(0, 6), centre + QPointF(0, 6));
}

void Folder(QPainter& p)
{
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(QColor(240, 190, 60));
    p.drawPolygon(QPolygonF({{3, 8}, {13, 8}, {16, 11}, {31, 11}, {31, 30}, {3, 30}}));
    p.setBrush(QColor(255, 215, 100));
    p.drawPolygon(QPolygonF({{3, 30}, {8, 16}, {35, 16}, {31, 30}}));
}

// The voice chip: a body with four pins on each side.
void Chip(QPainter& p, QRectF body)
{
    p.setPen(QPen(QColor(150, 150, 150), 2));
    const double step = body.height() / 4;
    for (int i = 0; i < 4; ++i) {
        const double y = body.top() + step * (i + 0.5);
        p.drawLine(QPointF(body.left() - 4, y), QPointF(body.left(), y));
        p.drawLine(QPointF(body.right(), y), QPointF(body.right() + 4, y));
    }
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(45, 55, 70));
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QPointF(body.left() + 3.5, body.top() + 3.5), 1.5, 1.5);
}

void Arrow(QPainter& p, QPointF tip, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, tip + QPointF(-8, -8), tip + QPointF(-3.5, -8), tip + QPointF(-3.5, -16),
                             tip + QPointF(3.5, -16), tip + QPointF(3.5, -8), tip + QPointF(8, -8)}));
}

void Gear(QPainter& p)
{
    constexpr int kTeeth = 8;
    QPolygonF outline;
    for (int i = 0; i < kTeeth * 4; ++i) {
        const double angle = i * std::numbers::pi / (kTeeth * 2);
        const double radius = (i % 4 < 2) ? 15.0 : 11.5;
        outline << QPointF(18 + radius * std::cos(angle), 18 + radius * std::sin(angle));
    }
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(130, 140, 155));
    p.drawPolygon(outline);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(18, 18), 5, 5);
}

void Waves(QPainter& p, QPointF from, QColor colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double r = 4.0 * i;
        p.drawArc(QRectF(from.x() - r, from.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
}

void QuestionMark(QPainter& p)
{
    p.setPen(QPen(QColor(20, 70, 150), 1.5));
    p.setBrush(QColor(50, 120, 210));
    p.drawEllipse(QPointF(18, 18), 15, 15);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 8, 12, 11), 150 * 16, -240 * 16);
    p.drawLine(QPointF(18, 19.5), QPointF(18, 22));
    p.drawPoint(QPointF(18, 27.5));
}

}  // namespace

QIcon ToolbarIcon(int commandId)
{
    switch (commandId) {
    case ID_FILE_NEW:
        return Draw([](QPainter& p) {
            Page(p);
            Plus(p, {25, 25}, QColor(30, 150, 50));
        });
    case ID_FILE_OPEN:
        return Draw(Folder);
    case ID_OPERATION_COMPILE:
        return Draw([](QPainter& p) {
            Page(p);
            p.setPen(QPen(QColor(120, 120, 120), 1.5));
            for (int y = 10; y <= 16; y += 3)
                p.drawLine(10, y, 19, y);
            Chip(p, {14, 19, 16, 14});
        });
    case ID_OPERATION_OPTIONS:
        return Draw(Gear);
    case ID_TOOL_DOWNLOAD:
        return Draw([](QPainter& p) {
            Chip(p, {9, 20, 18, 13});
            Arrow(p, {18, 18}, QColor(30, 150, 50));
        });
    case ID_OPERATION_STOP:
        return Draw([](QPainter& p) {
            p.setPen(QPen(QColor(140, 20, 20), 1.5));
            p.setBrush(QColor(205, 45, 45));
            p.drawRoundedRect(QRectF(8, 8, 20, 20), 3, 3);
        });
    case ID_HELP_CONTENT:
        return Draw(QuestionMark);
    default:
        return {};
    }
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        const QIcon drawn = Draw(
            [](QPainter& p) {
                Chip(p, {6, 9, 14, 18});
                Waves(p, {20, 18}, QColor(230, 120, 20));
            },
            size);
        icon.addPixmap(drawn.pixmap(size, size));
    }
    return icon;
}
