#include "dialogs/PromptDialogParts.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "audio/AudioInfo.h"
#include "dialogs/DialogMessage.h"

namespace {
constexpr int kDefaultRate = 8000;
}

bool PromptOutputControls::complete(QWidget* dialog) const
{
    if (!folder->text().trimmed().isEmpty())
        return true;
    ShowDialogMessage(dialog, ApplicationNameCaption(), QStringLiteral("Choose the folder for the prepared sounds."));
    return false;
}

PromptOutputControls AddPromptOutputRows(QFormLayout* form, QWidget* dialog, bool loadPossible)
{
    PromptOutputControls c{new QComboBox, new QLineEdit, new QCheckBox(QStringLiteral("Load into the sound library"))};
    for (auto it = kAcceptedSourceRates.rbegin(); it != kAcceptedSourceRates.rend(); ++it)
        c.rate->addItem(QString::number(*it) + QStringLiteral(" Hz"), *it);
    c.rate->setCurrentIndex(c.rate->findData(kDefaultRate));
    form->addRow(QStringLiteral("Sampling rate:"), c.rate);

    auto* browse = new QPushButton(QStringLiteral("Browse..."));
    QLineEdit* folder = c.folder;
    QObject::connect(browse, &QPushButton::clicked, dialog, [dialog, folder] {
        const QString chosen = QFileDialog::getExistingDirectory(dialog, {}, folder->text());
        if (!chosen.isEmpty())
            folder->setText(chosen);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(c.folder);
    row->addWidget(browse);
    form->addRow(QStringLiteral("Output folder:"), row);

    c.load->setChecked(loadPossible);
    c.load->setEnabled(loadPossible);
    form->addRow(c.load);
    return c;
}
