#pragma once
// The layout and key sets shared by the two dialogs that show one control per
// key of the chip: three columns of eight keys (1-8, 9-16, 17-24).

#include <cstdint>

class QGridLayout;
class QString;
class QWidget;

// A set of key numbers (1 to 24), one bit per key.
using KeySet = uint32_t;

constexpr KeySet KeyRange(int first, int last)
{
    KeySet keys = 0;
    for (int key = first; key <= last; ++key)
        keys |= KeySet{1} << (key - 1);
    return keys;
}

constexpr bool Contains(KeySet keys, int key) { return (keys >> (key - 1)) & 1; }

// Places key `key`'s label (with `labelText`) and its control in the grid.
void PlaceKeyControl(QGridLayout* grid, int key, const QString& labelText, QWidget* control);
