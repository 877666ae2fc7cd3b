#include "gui/CListCtrl_Backgroundmusic.h"

#include <QMenu>

#include "app/Session.h"

CListCtrl_Backgroundmusic::CListCtrl_Backgroundmusic(Session& session, QWidget* parent)
    : SoundListView(session, View::BackgroundMusic, SoundListModel::Format::Library, parent)
{
    setEnabled(false);
    hide();
}

const CSoundList& CListCtrl_Backgroundmusic::rows() const
{
    return session().project().content.backgroundMusic;
}

void CListCtrl_Backgroundmusic::fillContextMenu(QMenu& menu)
{
    addCommand(menu, "&Load", {ViewCommand::LoadBackgroundMusic});
    addCommand(menu, "&Empty", {ViewCommand::EmptyBackgroundMusic});
    menu.addSeparator();
    addCommand(menu, "&Play", {ViewCommand::PlayBackgroundMusic});
}
