#include "dialogs/CEquationSetupDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "dialogs/DialogMessage.h"
#include "dialogs/KeyGrid.h"
#include "dialogs/LeadingInteger.h"
#include "dialogs/OkCancelButtons.h"
#include "support/UserMessage.h"

namespace {

constexpr int kHighestEquation = kEquationCount - 1;

KeySet EditableKeys(int controlMode)
{
    switch (controlMode) {
    case kOneLine:
        return KeyRange(1, 3) | KeyRange(5, 10);
    case kThreeLine:
        return KeyRange(1, 1) | KeyRange(5, 10);
    case kMp3:
        return KeyRange(7, 10);
    case kParallelPort:
        return KeyRange(1, 1);
    case kExtended:
    case kKeyMode:
        return KeyRange(1, 10);
    default:  // 3x8 Matrix and codes outside the table
        return KeyRange(1, kKeyCount);
    }
}

}  // namespace

CEquationSetupDlg::CEquationSetupDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Equation Setup"));
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    auto* grid = new QGridLayout;
    for (int key = 1; key <= kKeyCount; ++key) {
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("key%1").arg(key));
        box->setValidator(digits);
        boxes_[key - 1] = box;
        PlaceKeyControl(grid, key, QStringLiteral("Key %1").arg(key), box);
        // Every change is read at once, including the dialog's own.
        connect(box, &QLineEdit::textChanged, this, [this, key](const QString& text) { readBox(key, text); });
    }

    const OkCancelButtons buttons = MakeOkCancelButtons();
    connect(buttons.ok, &QPushButton::clicked, this, [this] { done(kOk); });
    connect(buttons.cancel, &QPushButton::clicked, this, [this] { done(kCancel); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("Input Range : 0 - 219")));
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CEquationSetupDlg::setValues(const CEquation& values, int controlMode)
{
    values_ = values;
    const KeySet editable = EditableKeys(controlMode);
    for (int key = 1; key <= kKeyCount; ++key) {
        boxes_[key - 1]->setText(QString::number(values.equationNumber[key - 1]));
        boxes_[key - 1]->setEnabled(Contains(editable, key));
    }
}

void CEquationSetupDlg::readBox(int key, const QString& text)
{
    const long long value = ReadLeadingInteger(text);
    if (value < 0 || value > kHighestEquation) {
        values_.equationNumber[key - 1] = 0;
        ShowDialogMessage(this, QString::fromLatin1(kProductCaption), QStringLiteral("Error"));
        boxes_[key - 1]->setText(QStringLiteral("0"));
        return;
    }
    values_.equationNumber[key - 1] = static_cast<int32_t>(value);
}
