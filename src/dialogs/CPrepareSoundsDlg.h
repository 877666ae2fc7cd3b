#pragma once
// "Prepare Sounds": sound files of any format, the rate, trimming and
// loudness, and the folder the prepared WAVs go to.

#include <QDialog>

#include "app/PromptRequests.h"
#include "dialogs/PromptDialogParts.h"

class QCheckBox;
class QDoubleSpinBox;
class QListWidget;
class QSpinBox;

class CPrepareSoundsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPrepareSoundsDlg(bool loadPossible, QWidget* parent = nullptr);

    // The choices, once the dialog was accepted.
    PreparationRequest request() const;

    void accept() override;

private:
    void addFiles();

    QListWidget* files_;
    QCheckBox* trim_;
    QSpinBox* margin_;
    QCheckBox* normalize_;
    QDoubleSpinBox* loudness_;
    PromptOutputControls output_;
};
