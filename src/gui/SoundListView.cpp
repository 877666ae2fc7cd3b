#include "gui/SoundListView.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QMimeData>
#include <QScrollBar>

#include "app/Session.h"
#include "app/ViewRows.h"
#include "dialogs/ColumnWidths.h"
#include "gui/RowDrag.h"

SoundListView::SoundListView(Session& session, View view, SoundListModel::Format format, QWidget* parent)
    : QTableView(parent), session_(session), view_(view), model_(new SoundListModel(format, this))
{
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    FitColumns(*this, model_->columns());

    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const auto request = requestForDoubleClick(index.row()))
            run(*request);
    });
}

void SoundListView::rebuild()
{
    const int firstRowInView = verticalScrollBar()->value();
    model_->setRows(rows());
    // The scroll range follows the new rows only at the next layout.
    updateGeometries();
    verticalScrollBar()->setValue(firstRowInView);
}

void SoundListView::clearRows()
{
    model_->clear();
}

void SoundListView::removeRow(int row)
{
    model_->removeRowAt(row);
}

int SoundListView::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

bool SoundListView::commandsEnabled() const
{
    return session_.commandsEnabled(view_);
}

void SoundListView::run(const ViewRequest& request)
{
    RunViewRequest(session_, request);
}

std::optional<ViewRequest> SoundListView::requestForKey(int) const
{
    return std::nullopt;
}

std::optional<ViewRequest> SoundListView::requestForDoubleClick(int) const
{
    return std::nullopt;
}

QAction* SoundListView::addCommand(QMenu& menu, const char* text, const ViewRequest& request)
{
    QAction* action = menu.addAction(QString::fromLatin1(text));
    connect(action, &QAction::triggered, this, [this, request] { run(request); });
    return action;
}

std::unique_ptr<QMenu> SoundListView::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    fillContextMenu(*menu);
    if (!commandsEnabled()) {
        // Sub-menus still open, to show their items greyed.
        for (QAction* action : menu->actions()) {
            if (QMenu* sub = action->menu()) {
                for (QAction* item : sub->actions())
                    item->setEnabled(false);
            } else {
                action->setEnabled(false);
            }
        }
    }
    return menu;
}

// The release of the right button that opened a context menu comes after
// the menu's command has rebuilt the view; the base class would select the
// pressed row again then, and the next insert would land before it instead
// of at the end.
void SoundListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void SoundListView::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? viewport()->mapToGlobal(QPoint(5, 5))
                                                                      : event->globalPos();
    makeContextMenu()->exec(at);
}

void SoundListView::keyPressEvent(QKeyEvent* event)
{
    QTableView::keyPressEvent(event);
    // The view acts on the release; the press must not reach the window,
    // where Escape could close it.
    if (requestForKey(event->key())) {
        pressedKey_ = event->key();
        event->accept();
    }
}

void SoundListView::keyReleaseEvent(QKeyEvent* event)
{
    // Only the release of a key pressed here: Escape that closed a menu, or
    // a key whose press a shortcut took, is not the view's.
    const bool pressedHere = event->key() == pressedKey_;
    const auto request = event->isAutoRepeat() || !pressedHere ? std::nullopt : requestForKey(event->key());
    if (!request) {
        QTableView::keyReleaseEvent(event);
        return;
    }
    pressedKey_ = 0;
    event->accept();
    run(*request);
}

void SoundListView::startDrag(Qt::DropActions)
{
    const int row = currentIndex().row();
    if (row < 0)
        return;
    const QStringList& texts = model_->rowTexts(row);
    auto* drag = new QDrag(this);
    drag->setMimeData(MakeDragData({view_, row}).release());
    drag->setPixmap(DragPicture(view_, texts.mid(0, 3).join(QStringLiteral("  ")), font()));
    drag->setHotSpot(kDragPictureHotSpot);
    // A library sound is copied into the equation, a playlist entry moved.
    drag->exec(view_ == View::Library ? Qt::CopyAction : Qt::MoveAction);
}
