#pragma once
// "Add Silence": asks for the length of a silence to insert into a playlist.

#include <QDialog>

class QComboBox;
class QLineEdit;

class CAddSilenceDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog returns the length in ms (10 to 10000) or kCancelled, which
    // no length equals: 10 ms steps give 1070 and 1080.
    static constexpr int kCancelled = 1071;

    // `equationSize` is the size of the playlist the silence would go into.
    explicit CAddSilenceDlg(int equationSize, QWidget* parent = nullptr);

    void reject() override;

private:
    void acceptLength();

    int equationSize_;
    QLineEdit* amount_;
    QComboBox* unit_;
};
