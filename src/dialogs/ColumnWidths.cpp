#include "dialogs/ColumnWidths.h"

#include <algorithm>

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include "app/TextCatalogue.h"

namespace {

// Pixels `text` takes in a cell, in the edition running and as written.
int CellWidth(const QTableView& view, const char* text)
{
    const QString plain = QString::fromLatin1(text);
    const QFontMetrics metrics = view.fontMetrics();
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const int gridLine = 1;
    return std::max(metrics.horizontalAdvance(plain), metrics.horizontalAdvance(DisplayText(plain))) + 2 * margin +
           gridLine;
}

}  // namespace

void FitColumns(QTableView& view, const std::vector<ViewColumn>& columns)
{
    const QHeaderView& header = *view.horizontalHeader();
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        const ViewColumn& wanted = columns[column];
        // The header's hint is for its text as the model gives it now.
        const int width = std::max({wanted.width, header.sectionSizeHint(column), CellWidth(view, wanted.widest),
                                    CellWidth(view, wanted.title) + header.style()->pixelMetric(QStyle::PM_HeaderMargin)});
        view.setColumnWidth(column, width);
    }
}
