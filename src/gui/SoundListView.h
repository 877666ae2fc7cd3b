#pragma once
// What the three list views have in common: a report of a sound list with
// single whole-row selection and grid lines, rebuilt from the session's model
// after every change, a context menu greyed while the view's commands are
// off, keys that act on release, double-clicks and dragging a row out.
// Every gesture becomes one request to the session.

#include <QTableView>

#include <memory>
#include <optional>

#include "app/WindowPort.h"
#include "gui/SoundListModel.h"
#include "gui/ViewRequest.h"

class CSoundList;
class QMenu;
class Session;

class SoundListView : public QTableView {
    Q_OBJECT
public:
    // Rows made anew from the session's model; no row selected afterwards,
    // the first row in view kept.
    void rebuild();
    void clearRows();
    // Removes one row at once, before the rebuild that follows a delete.
    void removeRow(int row);
    // The selected row, -1 for none.
    int selectedRow() const;

protected:
    SoundListView(Session& session, View view, SoundListModel::Format format, QWidget* parent);

    Session& session() const { return session_; }
    SoundListModel& rowModel() const { return *model_; }

    // The list the view shows.
    virtual const CSoundList& rows() const = 0;
    // Whether the context menu's commands are offered.
    virtual bool commandsEnabled() const;
    // Hands a request to the session.
    virtual void run(const ViewRequest& request);

    // The view's own menu items, gestures and keys.
    virtual void fillContextMenu(QMenu& menu) = 0;
    virtual std::optional<ViewRequest> requestForKey(int key) const;
    virtual std::optional<ViewRequest> requestForDoubleClick(int row) const;

    // An item that runs `request` when chosen.
    QAction* addCommand(QMenu& menu, const char* text, const ViewRequest& request);
    // The context menu as it would open now.
    std::unique_ptr<QMenu> makeContextMenu();

    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    Session& session_;
    const View view_;
    SoundListModel* model_;
    // The last key pressed in the view that it answers on release.
    int pressedKey_ = 0;
};
