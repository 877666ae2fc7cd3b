#include "dialogs/KeyGrid.h"

#include <QGridLayout>
#include <QLabel>

namespace {
constexpr int kKeysPerColumn = 8;
}

void PlaceKeyControl(QGridLayout* grid, int key, const QString& labelText, QWidget* control)
{
    const int row = (key - 1) % kKeysPerColumn;
    const int column = (key - 1) / kKeysPerColumn * 2;
    auto* label = new QLabel(labelText);
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
}
