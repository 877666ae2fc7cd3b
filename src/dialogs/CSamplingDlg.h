#pragma once
// "Choose Sampling Rate": picks the target rate of a conversion.

#include <QDialog>

class QListWidget;

class CSamplingDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kChosen = 1087;     // chosenRate() holds the rate
    static constexpr int kCancelled = 1088;

    // Offers every candidate rate up to `highestRate` Hz, then an empty row
    // that stands for no rate.
    explicit CSamplingDlg(int highestRate, QWidget* parent = nullptr);

    int chosenRate() const { return chosenRate_; }

    void reject() override;

protected:
    // Enter confirms the rate selected in the list, if any.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int row);

    QListWidget* rates_;
    int chosenRate_ = 0;
};
