#pragma once
// "Options": external mode, control mode, sound output, busy level, pull-high
// resistor and background music of a project.

#include <QDialog>

#include "model/Records.h"

class QButtonGroup;
class QCheckBox;

class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    // Result codes. Escape and the close box end the dialog as kDismissed,
    // which callers apply like OK; only the Cancel button cancels.
    static constexpr int kOk = QDialog::Accepted;
    static constexpr int kCancel = 2;
    static constexpr int kDismissed = QDialog::Rejected;

    explicit COptionsDlg(QWidget* parent = nullptr);

    // Fills the controls from `options` before the dialog opens.
    void setOptions(const COptions& options);
    // The values the dialog ended with: read from the controls on OK, else
    // those it was given. externalBinPath passes through unchanged.
    const COptions& options() const { return options_; }

private:
    void showControlMode(int mode);
    void acceptValues();

    COptions options_;
    QCheckBox* externalMode_;
    QCheckBox* pullHigh_;
    QCheckBox* backgroundMusic_;
    QButtonGroup* controlMode_;
    QButtonGroup* soundOutput_;
    QButtonGroup* busyLevel_;
};
