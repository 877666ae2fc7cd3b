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

    // The values and the control mode the dialog opens with. The boxes are
    // filled when it opens, and an out-of-range value is reported then.
    void setValues(const CEquation& values, int controlMode);
    // Always 0 to 219 once the dialog has opened, whatever the boxes show.
    const CEquation& values() const { return values_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void readBox(int key, const QString& text);

    CEquation values_;
    int controlMode_ = kOneLine;
    bool filled_ = false;
    std::array<QLineEdit*, kKeyCount> boxes_;
};
