#pragma once
// The "OK" and "Cancel" buttons at the foot of a dialog.

#include <QDialogButtonBox>
#include <QPushButton>

struct OkCancelButtons {
    QDialogButtonBox* box;
    QPushButton* ok;  // the default button
    QPushButton* cancel;
};

// Neither button is connected: each dialog decides what its buttons return.
OkCancelButtons MakeOkCancelButtons();
