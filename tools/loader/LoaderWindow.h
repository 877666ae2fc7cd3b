#pragma once
// The download tool's window: the BIN and what its header says, the
// programmer, Write, flashrom's output with progress, and the verdict.

#include <QWidget>

#include "BinCheck.h"
#include "FlashReader.h"
#include "FlashWriter.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class LoaderWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoaderWindow(const QString& binPath, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Return and Enter that no control took press Write, as a dialog's
    // default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showBin(const QString& path);
    void chooseBin();
    void write();
    void showVerdict(const Verdict& verdict);
    // Read Chip: flashrom reads the flash into a file the user names, and
    // the verdict line tells what the image holds.
    void readChip();
    void showChipRead(const QString& failure);
    void updateButtons();

    FlashWriter writer_;
    FlashReader reader_;
    QString chipFile_;
    BinCheck bin_;

    QFormLayout* binForm_;
    QLabel* file_;
    QLabel* size_;
    QLabel* controlMode_;
    QLabel* flashSize_;
    QLabel* refusal_;
    QPushButton* choose_;
    QComboBox* programmer_;
    QLineEdit* chip_;
    QPushButton* write_;
    QPushButton* readChip_;
    QProgressBar* progress_;
    QPlainTextEdit* output_;
    QLabel* verdict_;
};
