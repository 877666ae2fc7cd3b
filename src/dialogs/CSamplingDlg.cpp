#include "dialogs/CSamplingDlg.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include <array>

namespace {
constexpr std::array kCandidateRates = {4000, 6000, 8000, 10000, 12000, 14000, 16000, 18000, 20000, 22000};
}

CSamplingDlg::CSamplingDlg(int highestRate, QWidget* parent) : QDialog(parent), rates_(new QListWidget)
{
    setWindowTitle(QStringLiteral("Choose Sampling Rate"));
    for (int rate : kCandidateRates) {
        if (rate <= highestRate)
            rates_->addItem(QString::number(rate));
    }
    rates_->addItem(QString());
    connect(rates_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { choose(rates_->row(item)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rates_);
}

void CSamplingDlg::reject() { done(kCancelled); }

void CSamplingDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QList<QListWidgetItem*> selected = rates_->selectedItems();
        if (!selected.isEmpty())
            choose(rates_->row(selected.first()));
        return;
    }
    QDialog::keyPressEvent(event);
}

// The empty row's value is 0, which ends the dialog as cancelled.
void CSamplingDlg::choose(int row)
{
    chosenRate_ = rates_->item(row)->text().toInt();
    done(chosenRate_ != 0 ? kChosen : kCancelled);
}
