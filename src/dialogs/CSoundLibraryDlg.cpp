#include "dialogs/CSoundLibraryDlg.h"

#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/TextCatalogue.h"
#include "app/ViewRows.h"
#include "dialogs/ColumnWidths.h"
#include "dialogs/OkCancelButtons.h"

CSoundLibraryDlg::CSoundLibraryDlg(QWidget* parent) : QDialog(parent), list_(new QTableWidget)
{
    setWindowTitle(QStringLiteral("Sound Library"));
    // The library view's columns, at the picker's own widths.
    std::vector<ViewColumn> columns = LibraryViewColumns();
    list_->setColumnCount(static_cast<int>(columns.size()));
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        auto* header = new QTableWidgetItem(DisplayText(QString::fromLatin1(columns[column].title)));
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        list_->setHorizontalHeaderItem(column, header);
        columns[column].width = column == 0 ? 30 : 120;
    }
    FitColumns(*list_, columns);
    int width = 0;
    for (int column = 0; column < list_->columnCount(); ++column)
        width += list_->columnWidth(column);
    list_->verticalHeader()->hide();
    // Compact rows, about a dozen in view, as in the main window's library.
    const int rowHeight = fontMetrics().height() + 6;
    list_->verticalHeader()->setDefaultSectionSize(rowHeight);
    list_->setMinimumHeight(12 * rowHeight + list_->horizontalHeader()->sizeHint().height() + 2 * list_->frameWidth());
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setMinimumWidth(width + 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width());
    connect(list_, &QTableWidget::cellDoubleClicked, this, &CSoundLibraryDlg::pickSelected);

    const OkCancelButtons buttons = MakeOkCancelButtons();
    connect(buttons.ok, &QPushButton::clicked, this, &CSoundLibraryDlg::pickSelected);
    connect(buttons.cancel, &QPushButton::clicked, this, &CSoundLibraryDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons.box);
}

void CSoundLibraryDlg::setLibrary(const CSoundList& library)
{
    list_->setRowCount(library.count());
    int row = 0;
    for (const CSound& sound : library) {
        const auto texts = LibraryRowTexts(row, sound);
        for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
            // The name is the file's; the other texts are the program's own.
            const QString text = QFile::decodeName(QByteArray::fromStdString(texts[column]));
            list_->setItem(row, column, new QTableWidgetItem(column == 1 ? text : DisplayText(text)));
        }
        ++row;
    }
}

void CSoundLibraryDlg::reject() { done(kCancelled); }

void CSoundLibraryDlg::pickSelected()
{
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        reject();
        return;
    }
    const auto lowest = std::min_element(rows.begin(), rows.end(),
                                         [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    done(lowest->row());
}
