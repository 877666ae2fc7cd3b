#include "dialogs/CAddSilenceDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogMessage.h"
#include "dialogs/LeadingInteger.h"
#include "dialogs/OkCancelButtons.h"

namespace {

enum Unit { kTenMs = 0, kSeconds = 1 };

// Above this equation size the dialog reports the playlist as full.
constexpr int kFullEquationSize = 255;

}  // namespace

CAddSilenceDlg::CAddSilenceDlg(int equationSize, QWidget* parent)
    : QDialog(parent), equationSize_(equationSize), amount_(new QLineEdit), unit_(new QComboBox)
{
    setWindowTitle(QStringLiteral("Add Silence"));
    unit_->addItem(QStringLiteral("10ms"));
    unit_->addItem(QStringLiteral("s"));

    const OkCancelButtons buttons = MakeOkCancelButtons();
    connect(buttons.ok, &QPushButton::clicked, this, &CAddSilenceDlg::acceptLength);
    connect(buttons.cancel, &QPushButton::clicked, this, &CAddSilenceDlg::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(amount_);
    row->addWidget(new QLabel(QStringLiteral("X")));
    row->addWidget(unit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Input a silence time")));
    layout->addLayout(row);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAddSilenceDlg::reject() { done(kCancelled); }

// Every refusal leaves the dialog open.
void CAddSilenceDlg::acceptLength()
{
    const long long amount = ReadLeadingInteger(amount_->text());
    const int unit = unit_->currentIndex();
    QString refusal;
    if (unit == kTenMs && (amount < 1 || amount > 255))
        refusal = QStringLiteral("Out of range! (1 - 255)");
    else if (unit == kSeconds && (amount < 1 || amount > 10))
        refusal = QStringLiteral("Out of range! (1 - 10)");
    else if (equationSize_ > kFullEquationSize)
        refusal = QStringLiteral("Playlist full!");
    if (!refusal.isEmpty()) {
        ShowDialogMessage(this, ApplicationNameCaption(), refusal);
        return;
    }
    done(static_cast<int>(unit == kSeconds ? amount * 1000 : amount * 10));
}
