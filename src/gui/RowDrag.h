#pragma once
// Dragging a row from the library or the playlist view: what the drag
// carries, what a drop on the playlist does with it, and the picture shown
// beside the cursor.

#include <QPixmap>
#include <QPoint>

#include <memory>
#include <optional>

#include "app/WindowPort.h"
#include "gui/ViewRequest.h"

class QMimeData;
class QFont;
class QString;

struct DraggedRow {
    View source;
    int row;
};

std::unique_ptr<QMimeData> MakeDragData(const DraggedRow& dragged);

// The dragged row, when the data come from a library or playlist row of this
// program instance; another instance's rows mean other sounds.
std::optional<DraggedRow> ReadDragData(const QMimeData* data);

// A drop on the playlist view with the cursor over `rowUnderCursor` (-1 for
// none): a library row is always appended at the end, a playlist row moves to
// the row under the cursor. Nothing else does anything.
std::optional<ViewRequest> PlaylistDropRequest(const DraggedRow& dragged, int rowUnderCursor);

// The picture beside the cursor: one small glyph per source view, then the
// row's text.
QPixmap DragPicture(View source, const QString& text, const QFont& font);

// Where the picture sits against the cursor: to its right, clear of its tip.
inline constexpr QPoint kDragPictureHotSpot{-10, 1};
