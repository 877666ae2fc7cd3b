#include "dialogs/CConfirmDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/OkCancelButtons.h"

CConfirmDlg::CConfirmDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Confirm ?"));
    const OkCancelButtons buttons = MakeOkCancelButtons();
    connect(buttons.ok, &QPushButton::clicked, this, [this] { done(kConfirmed); });
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Confirm Delete ?")));
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
