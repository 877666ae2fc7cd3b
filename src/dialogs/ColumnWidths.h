#pragma once
// Column widths from the font in use, so that a header and every text its
// cells can hold fit in either edition.

#include <vector>

#include "app/ViewRows.h"

class QTableView;

// Gives each column of `view` the width its header and widest cell text
// need, and at least the column's own width.
void FitColumns(QTableView& view, const std::vector<ViewColumn>& columns);
