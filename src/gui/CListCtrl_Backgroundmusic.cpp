// Placeholder until the list views are built.

#include "gui/CListCtrl_Backgroundmusic.h"

CListCtrl_Backgroundmusic::CListCtrl_Backgroundmusic(Session& session, QWidget* parent) : QTableView(parent), session_(session) {}
void CListCtrl_Backgroundmusic::rebuild() {}
void CListCtrl_Backgroundmusic::clearRows() {}
void CListCtrl_Backgroundmusic::removeRow(int) {}
int CListCtrl_Backgroundmusic::selectedRow() const { return -1; }
