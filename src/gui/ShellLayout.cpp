#include "gui/ShellLayout.h"

#include <QFontMetrics>

#include <algorithm>
#include <iterator>

namespace {

// The window's size and its controls' places in dialog units.
constexpr QSize kClientUnits(525, 326);

struct UnitRects {
    QRect equationLabel{301, 37, 50, 8};
    QRect equationList{363, 37, 48, 89};
    QRect nextButton{421, 37, 12, 6};
    QRect previousButton{421, 43, 12, 6};
    QRect flashLabel{447, 36, 22, 8};
    QRect flashList{481, 36, 35, 78};
    QRect library{6, 60, 294, 229};
    QRect playlist{306, 60, 210, 229};
    QRect backgroundMusic{6, 60, 294, 36};
    QRect progress{6, 294, 510, 14};
};

int ToPixelsX(int units, QSize base) { return (units * base.width() + 2) / 4; }
int ToPixelsY(int units, QSize base) { return (units * base.height() + 4) / 8; }

QRect ToPixels(QRect units, QSize base)
{
    const int left = ToPixelsX(units.left(), base);
    const int top = ToPixelsY(units.top(), base);
    return QRect(left, top, ToPixelsX(units.left() + units.width(), base) - left,
                 ToPixelsY(units.top() + units.height(), base) - top);
}

// The gaps between a control and the client's right and bottom edges.
int RightGap(QRect rect, QSize client) { return client.width() - (rect.x() + rect.width()); }
int BottomGap(QRect rect, QSize client) { return client.height() - (rect.y() + rect.height()); }

}  // namespace

QSize DialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((letters / 26 + 1) / 2, metrics.height());
}

ShellLayout::ShellLayout(QSize base)
    : initialClient_(ToPixelsX(kClientUnits.width(), base), ToPixelsY(kClientUnits.height(), base))
{
    const UnitRects units;
    initial_ = {
        .equationLabel = ToPixels(units.equationLabel, base),
        .equationList = ToPixels(units.equationList, base),
        .nextButton = ToPixels(units.nextButton, base),
        .previousButton = ToPixels(units.previousButton, base),
        .flashLabel = ToPixels(units.flashLabel, base),
        .flashList = ToPixels(units.flashList, base),
        .library = ToPixels(units.library, base),
        .playlist = ToPixels(units.playlist, base),
        .backgroundMusic = ToPixels(units.backgroundMusic, base),
        .progress = ToPixels(units.progress, base),
        .statusBar = {},
    };
}

namespace {

// Lays the top row out from its first control on, each control as wide as
// it needs and at least as wide as at the start, the gaps kept.
void PlaceTopRow(ShellGeometry& g, const TopRowWidths& needed, int rightEnd, int leftmost)
{
    QRect* row[] = {&g.equationLabel, &g.equationList, &g.nextButton, &g.flashLabel, &g.flashList};
    const int widths[] = {needed.equationLabel, needed.equationList, 0, needed.flashLabel, needed.flashList};
    int gaps[std::size(row)] = {};
    for (size_t i = 1; i < std::size(row); ++i)
        gaps[i] = row[i]->left() - row[i - 1]->right() - 1;
    for (size_t i = 0; i < std::size(row); ++i) {
        if (i > 0)
            row[i]->moveLeft(row[i - 1]->right() + 1 + gaps[i]);
        row[i]->setWidth(std::max(row[i]->width(), widths[i]));
    }
    const int shift = std::min(std::max(0, g.flashList.right() + 1 - rightEnd), g.equationLabel.left() - leftmost);
    for (QRect* rect : row)
        rect->translate(-shift, 0);
    g.previousButton.moveLeft(g.nextButton.left());
}

}  // namespace

int ShellLayout::minimumClientWidth(const TopRowWidths& needed) const
{
    // Placed with room to spare, the row keeps its full width.
    const ShellGeometry g = place(QSize(1 << 20, initialClient_.height()), needed);
    const int rowWidth = g.flashList.right() + 1 - g.equationLabel.left();
    return initial_.library.left() + rowWidth + RightGap(initial_.flashList, initialClient_);
}

ShellGeometry ShellLayout::place(QSize client, const TopRowWidths& needed) const
{
    const QSize start = initialClient_;
    ShellGeometry g = initial_;
    PlaceTopRow(g, needed, client.width() - RightGap(initial_.flashList, start), initial_.library.left());

    // The views' right and bottom edges follow the client's, the library
    // view keeping its width.
    g.library.setBottom(client.height() - BottomGap(initial_.library, start) - 1);
    g.playlist.setRight(client.width() - RightGap(initial_.playlist, start) - 1);
    g.playlist.setBottom(client.height() - BottomGap(initial_.playlist, start) - 1);

    // The progress bar stays the same gap below the playlist view.
    const int progressGap = initial_.progress.y() - (initial_.playlist.y() + initial_.playlist.height());
    g.progress.moveTop(g.playlist.y() + g.playlist.height() + progressGap);
    g.progress.setRight(client.width() - RightGap(initial_.progress, start) - 1);

    g.statusBar = QRect(0, client.height() - kStatusBarHeight, client.width(), kStatusBarHeight);
    return g;
}
