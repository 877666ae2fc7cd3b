#include "gui/CListCtrl_Snd_Lib.h"

#include <QMenu>

#include "app/Session.h"

CListCtrl_Snd_Lib::CListCtrl_Snd_Lib(Session& session, QWidget* parent)
    : SoundListView(session, View::Library, SoundListModel::Format::Library, parent)
{
    setDragEnabled(true);
}

const CSoundList& CListCtrl_Snd_Lib::rows() const
{
    return session().project().content.library;
}

void CListCtrl_Snd_Lib::fillContextMenu(QMenu& menu)
{
    addCommand(menu, "&Load", {ViewCommand::LoadLibrarySounds});
    addCommand(menu, "&Delete", {ViewCommand::DeleteLibrarySound});
    addCommand(menu, "&Empty", {ViewCommand::EmptyLibrary});
    menu.addSeparator();
    addCommand(menu, "&Play", {ViewCommand::PlayLibrarySound});
    addCommand(menu, "Play as &Chip", {ViewCommand::PlayLibrarySoundAsChip});
}

std::optional<ViewRequest> CListCtrl_Snd_Lib::requestForKey(int key) const
{
    switch (key) {
    case Qt::Key_Delete:
        return ViewRequest{ViewCommand::DeleteLibrarySound};
    case Qt::Key_Space:
        return ViewRequest{ViewCommand::PlayLibrarySound};
    case Qt::Key_Escape:
        return ViewRequest{ViewCommand::StopPreview};
    default:
        return std::nullopt;
    }
}

std::optional<ViewRequest> CListCtrl_Snd_Lib::requestForDoubleClick(int row) const
{
    return ViewRequest{ViewCommand::AppendSound, row};
}
