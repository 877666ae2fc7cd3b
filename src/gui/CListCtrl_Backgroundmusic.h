#pragma once
// The background-music view, over the top of the library view. It starts
// hidden and disabled; the window shows it and follows the session's
// enabling. It answers only its context menu.

#include "gui/SoundListView.h"

class CListCtrl_Backgroundmusic : public SoundListView {
    Q_OBJECT
public:
    CListCtrl_Backgroundmusic(Session& session, QWidget* parent = nullptr);

protected:
    const CSoundList& rows() const override;
    void fillContextMenu(QMenu& menu) override;
};
