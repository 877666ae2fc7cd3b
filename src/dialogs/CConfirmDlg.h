#pragma once
// "Confirm ?": asked before anything is deleted.

#include <QDialog>

class CConfirmDlg : public QDialog {
    Q_OBJECT
public:
    // OK returns kConfirmed; Cancel, Escape and the close box return
    // QDialog::Rejected.
    static constexpr int kConfirmed = 1095;

    explicit CConfirmDlg(QWidget* parent = nullptr);
};
