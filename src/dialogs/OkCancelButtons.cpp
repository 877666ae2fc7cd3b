#include "dialogs/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QPushButton>

OkCancelButtons MakeOkCancelButtons()
{
    auto* box = new QDialogButtonBox;
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    return {box, ok, cancel};
}
