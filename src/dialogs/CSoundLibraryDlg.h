#pragma once
// "Sound Library": picks one library sound for a playlist.

#include <QDialog>

#include "model/Sound.h"

class QTableWidget;

class CSoundLibraryDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog returns the index of the picked entry (0 to 509), or
    // kCancelled.
    static constexpr int kCancelled = 1073;

    explicit CSoundLibraryDlg(QWidget* parent = nullptr);

    // Copies the library's rows into the list.
    void setLibrary(const CSoundList& library);

    void reject() override;

private:
    // The lowest selected row: only one sound is returned.
    void pickSelected();

    QTableWidget* list_;
};
