// Placeholder until the list views are built.

#include "gui/CListCtrl_Snd_Lib.h"

CListCtrl_Snd_Lib::CListCtrl_Snd_Lib(Session& session, QWidget* parent) : QTableView(parent), session_(session) {}
void CListCtrl_Snd_Lib::rebuild() {}
void CListCtrl_Snd_Lib::clearRows() {}
void CListCtrl_Snd_Lib::removeRow(int) {}
int CListCtrl_Snd_Lib::selectedRow() const { return -1; }
