#pragma once
// The playlist view: the entries of the current equation.

#include <QTableView>

class Session;

class CListCtrl_Playlist : public QTableView {
    Q_OBJECT
public:
    CListCtrl_Playlist(Session& session, QWidget* parent = nullptr);

    // Rows made anew from the session's model; no row selected afterwards.
    void rebuild();
    void clearRows();
    // Removes one row at once, before the rebuild that follows a delete.
    void removeRow(int row);
    // The selected row, -1 for none.
    int selectedRow() const;

private:
    Session& session_;
};
