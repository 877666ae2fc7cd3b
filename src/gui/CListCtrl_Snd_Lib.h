#pragma once
// The sound library view: the project's library sounds. Rows drag onto the
// playlist view; a double-click appends the row's sound to the equation.

#include "gui/SoundListView.h"

class CListCtrl_Snd_Lib : public SoundListView {
    Q_OBJECT
public:
    CListCtrl_Snd_Lib(Session& session, QWidget* parent = nullptr);

protected:
    const CSoundList& rows() const override;
    void fillContextMenu(QMenu& menu) override;
    std::optional<ViewRequest> requestForKey(int key) const override;
    std::optional<ViewRequest> requestForDoubleClick(int row) const override;
};
