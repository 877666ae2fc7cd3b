// Placeholder until the list views are built.

#include "gui/CListCtrl_Playlist.h"

CListCtrl_Playlist::CListCtrl_Playlist(Session& session, QWidget* parent) : QTableView(parent), session_(session) {}
void CListCtrl_Playlist::rebuild() {}
void CListCtrl_Playlist::clearRows() {}
void CListCtrl_Playlist::removeRow(int) {}
int CListCtrl_Playlist::selectedRow() const { return -1; }
