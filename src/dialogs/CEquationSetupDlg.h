#pragma once
// "Equation Setup": the equation (0 to 219) that each of the chip's 24 keys
// starts.

#include <QDialog>

#include <array>

#include "model/Records.h"

class QLineEdit;

class CEquationSetupDlg : public QDialog {
    Q_OBJECT
public:
    // Result codes. Escape and the close box end the dialog as kDismissed
    // (QDialog::Rejected), which callers apply like OK; only the Cancel
    // button cancels.
    static constexpr int kOk = 1082;
    static constexpr int kCancel = 1083;
    static constexpr int kDismissed = QDialog::Rejected;

    explicit CEquationSetupDlg(QWidget* parent = nullptr);

    // Fills the boxes before the dialog opens, each read as if typed: a value
    // out of range is reported then and becomes 0. Enables the boxes the
    // control mode uses; the others still show their values.
    void setValues(const CEquation& values, int controlMode);
    // Always 0 to 219 once the values are given, whatever the boxes show.
    const CEquation& values() const { return values_; }

private:
    void readBox(int key, const QString& text);

    CEquation values_;
    std::array<QLineEdit*, kKeyCount> boxes_;
};
