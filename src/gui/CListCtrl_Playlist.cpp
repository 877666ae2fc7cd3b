#include "gui/CListCtrl_Playlist.h"

#include <QDropEvent>
#include <QMenu>

#include "app/Session.h"
#include "gui/RowDrag.h"

CListCtrl_Playlist::CListCtrl_Playlist(Session& session, QWidget* parent)
    : SoundListView(session, View::Playlist, SoundListModel::Format::Playlist, parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
}

const CSoundList& CListCtrl_Playlist::rows() const
{
    return session().currentEquationList();
}

void CListCtrl_Playlist::fillContextMenu(QMenu& menu)
{
    QMenu* insert = menu.addMenu(QStringLiteral("&Insert"));
    addCommand(*insert, "WAV / MP3 / WMA", {ViewCommand::InsertSound});
    insert->addSeparator();
    static constexpr struct {
        const char* text;
        int lengthMs;
    } kSilences[] = {{"&10ms", 10}, {"&20ms", 20}, {"&50ms", 50}, {"100ms", 100}, {"200ms", 200}, {"300ms", 300}};
    for (const auto& silence : kSilences)
        addCommand(*insert, silence.text, {ViewCommand::InsertSilence, silence.lengthMs});
    insert->addSeparator();
    addCommand(*insert, "&User Defined Silence", {ViewCommand::InsertUserSilence});

    addCommand(menu, "&Delete", {ViewCommand::DeleteEntry});
    addCommand(menu, "&Empty", {ViewCommand::EmptyEquation});
    menu.addSeparator();
    addCommand(menu, "&Play", {ViewCommand::PlayEquation});
}

std::optional<ViewRequest> CListCtrl_Playlist::requestForKey(int key) const
{
    switch (key) {
    case Qt::Key_Delete:
        return ViewRequest{ViewCommand::DeleteEntry};
    case Qt::Key_Space:
        return ViewRequest{ViewCommand::PlayEquation};
    case Qt::Key_Escape:
        return ViewRequest{ViewCommand::StopPreview};
    default:
        return std::nullopt;
    }
}

std::optional<ViewRequest> CListCtrl_Playlist::requestForDoubleClick(int row) const
{
    return ViewRequest{ViewCommand::ReplaceEntry, row};
}

std::optional<ViewRequest> CListCtrl_Playlist::dropRequest(const QDropEvent& event) const
{
    const auto dragged = ReadDragData(event.mimeData());
    if (!dragged)
        return std::nullopt;
    return PlaylistDropRequest(*dragged, rowAt(event.position().toPoint().y()));
}

void CListCtrl_Playlist::dragEnterEvent(QDragEnterEvent* event)
{
    // Taken in as long as it carries one of our rows, so that the moves over
    // the view keep coming; each move decides the cursor.
    if (ReadDragData(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CListCtrl_Playlist::dragMoveEvent(QDragMoveEvent* event)
{
    QTableView::dragMoveEvent(event);  // scrolls near the edges
    if (dropRequest(*event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CListCtrl_Playlist::dropEvent(QDropEvent* event)
{
    stopAutoScroll();
    const auto request = dropRequest(*event);
    if (!request) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Run once the drag has ended: the command may open a message box, which
    // must not come up while the drag still holds the mouse.
    QMetaObject::invokeMethod(this, [this, request = *request] { run(request); }, Qt::QueuedConnection);
}
