#pragma once
// Where the main window's controls lie: their places in dialog units,
// converted at the dialog font, and how they follow the client area when the
// window is resized. The gaps between the controls and the client edges stay
// as they were at the window's first size.

#include <QRect>
#include <QSize>

class QFont;

struct ShellGeometry {
    QRect equationLabel;
    QRect equationList;
    QRect nextButton;
    QRect previousButton;
    QRect flashLabel;
    QRect flashList;
    QRect library;
    QRect playlist;
    QRect backgroundMusic;
    QRect progress;
    QRect statusBar;
};

// The widths the top row's controls need for their texts at the font in use.
struct TopRowWidths {
    int equationLabel = 0;
    int equationList = 0;
    int flashLabel = 0;
    int flashList = 0;
};

// The dialog base units of a font: its average character width and its
// height, the pixels that 4 horizontal and 8 vertical dialog units make.
QSize DialogBaseUnits(const QFont& font);

class ShellLayout {
public:
    explicit ShellLayout(QSize baseUnits);

    // The client area the window starts with.
    QSize initialClientSize() const { return initialClient_; }
    // The controls' places in a client area of `client`. The top row's
    // controls are widened to what they need and the row moves left, as far
    // as the library view's left edge, to end inside the client area.
    ShellGeometry place(QSize client, const TopRowWidths& needed = {}) const;
    // The narrowest client area that shows the whole top row.
    int minimumClientWidth(const TopRowWidths& needed) const;

    static constexpr int kStatusBarHeight = 20;

private:
    QSize initialClient_;
    ShellGeometry initial_;
};
