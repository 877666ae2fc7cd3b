#include "gui/RowDrag.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFontMetrics>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QPalette>

static const QString kRowMimeType = QStringLiteral("application/x-kr615b-row");

std::unique_ptr<QMimeData> MakeDragData(const DraggedRow& dragged)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QCoreApplication::applicationPid() << static_cast<qint32>(dragged.source)
        << static_cast<qint32>(dragged.row);
    auto data = std::make_unique<QMimeData>();
    data->setData(kRowMimeType, bytes);
    return data;
}

std::optional<DraggedRow> ReadDragData(const QMimeData* data)
{
    if (!data || !data->hasFormat(kRowMimeType))
        return std::nullopt;
    QDataStream in(data->data(kRowMimeType));
    qint64 pid = 0;
    qint32 source = -1;
    qint32 row = -1;
    in >> pid >> source >> row;
    if (in.status() != QDataStream::Ok || pid != QCoreApplication::applicationPid() || row < 0)
        return std::nullopt;
    if (source != static_cast<qint32>(View::Library) && source != static_cast<qint32>(View::Playlist))
        return std::nullopt;
    return DraggedRow{static_cast<View>(source), row};
}

std::optional<ViewRequest> PlaylistDropRequest(const DraggedRow& dragged, int rowUnderCursor)
{
    if (dragged.source == View::Library)
        return ViewRequest{ViewCommand::AppendSound, dragged.row};
    if (dragged.source == View::Playlist && rowUnderCursor >= 0)
        return ViewRequest{ViewCommand::MoveEntry, dragged.row, rowUnderCursor};
    return std::nullopt;
}

// A loudspeaker for a library sound.
static void DrawLibraryGlyph(QPainter& p, const QRect& box, const QColor& ink)
{
    const int x = box.left();
    const int y = box.top();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygon({QPoint(x + 1, y + 5), QPoint(x + 5, y + 5), QPoint(x + 10, y + 1), QPoint(x + 10, y + 15),
                            QPoint(x + 5, y + 11), QPoint(x + 1, y + 11)}));
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(x + 7, y + 4, 8, 8), -60 * 16, 120 * 16);
    p.drawArc(QRect(x + 5, y + 1, 14, 14), -60 * 16, 120 * 16);
}

// A short list of bars for a playlist entry.
static void DrawPlaylistGlyph(QPainter& p, const QRect& box, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 3; ++i) {
        const int y = box.top() + 2 + i * 5;
        p.drawRect(box.left() + 1, y, 3, 3);
        p.drawRect(box.left() + 6, y, 10, 3);
    }
}

QPixmap DragPicture(View source, const QString& text, const QFont& font)
{
    constexpr int kGlyph = 16;
    constexpr int kPad = 3;
    const QFontMetrics metrics(font);
    const int height = std::max(kGlyph, metrics.height()) + 2 * kPad;
    const int width = kPad + kGlyph + kPad + metrics.horizontalAdvance(text) + 2 * kPad;

    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette palette;
    QColor back = palette.color(QPalette::Highlight);
    back.setAlpha(200);
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 3, 3);

    const QColor ink = palette.color(QPalette::HighlightedText);
    const QRect glyph(kPad, (height - kGlyph) / 2, kGlyph, kGlyph);
    if (source == View::Library)
        DrawLibraryGlyph(p, glyph, ink);
    else
        DrawPlaylistGlyph(p, glyph, ink);

    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRect(glyph.right() + 1 + kPad, 0, width, height), Qt::AlignLeft | Qt::AlignVCenter, text);
    return picture;
}
