#pragma once
// The playlist view: the entries of the current equation. Rows drag within
// the view to move an entry; library rows dropped on it are appended; a
// double-click replaces the row's entry.

#include "gui/SoundListView.h"

class CListCtrl_Playlist : public SoundListView {
    Q_OBJECT
public:
    CListCtrl_Playlist(Session& session, QWidget* parent = nullptr);

protected:
    const CSoundList& rows() const override;
    void fillContextMenu(QMenu& menu) override;
    std::optional<ViewRequest> requestForKey(int key) const override;
    std::optional<ViewRequest> requestForDoubleClick(int row) const override;

    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What a drop at the event's position would do; nothing when it would
    // do nothing, and the cursor then shows no-drop.
    std::optional<ViewRequest> dropRequest(const QDropEvent& event) const;
};
