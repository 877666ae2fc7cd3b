#pragma once
// "Key Setup": the function of each of the chip's 24 keys.

#include <QDialog>

#include <array>

#include "model/Records.h"

class QComboBox;

class CKeySetupDlg : public QDialog {
    Q_OBJECT
public:
    // Result codes. Escape and the close box end the dialog as kDismissed,
    // which callers apply like OK; only the Cancel button cancels.
    static constexpr int kOk = QDialog::Accepted;
    static constexpr int kCancel = 2;
    static constexpr int kDismissed = QDialog::Rejected;

    explicit CKeySetupDlg(QWidget* parent = nullptr);

    // Fills the lists from the key functions, then enables the lists the
    // control mode uses; some of the others show a fixed entry.
    void setKeys(const CKey& keys, int controlMode);
    // A key's function changes only when the user picks an entry in its list.
    const CKey& keys() const { return keys_; }

private:
    CKey keys_;
    std::array<QComboBox*, kKeyCount> lists_;
};
