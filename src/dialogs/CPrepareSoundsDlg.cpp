#include "dialogs/CPrepareSoundsDlg.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/DialogMessage.h"
#include "dialogs/OkCancelButtons.h"
#include "support/Paths.h"

CPrepareSoundsDlg::CPrepareSoundsDlg(bool loadPossible, QWidget* parent)
    : QDialog(parent), files_(new QListWidget), trim_(new QCheckBox(QStringLiteral("Trim leading and trailing silence"))),
      margin_(new QSpinBox), normalize_(new QCheckBox(QStringLiteral("Level the loudness to"))),
      loudness_(new QDoubleSpinBox)
{
    setWindowTitle(QStringLiteral("Prepare Sounds"));
    files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* add = new QPushButton(QStringLiteral("Add Files..."));
    auto* remove = new QPushButton(QStringLiteral("Remove"));
    connect(add, &QPushButton::clicked, this, &CPrepareSoundsDlg::addFiles);
    connect(remove, &QPushButton::clicked, this, [this] { qDeleteAll(files_->selectedItems()); });

    trim_->setChecked(true);
    margin_->setRange(0, kMaxMarginMs);
    margin_->setValue(kDefaultMarginMs);
    margin_->setSuffix(QStringLiteral(" ms"));
    connect(trim_, &QCheckBox::toggled, margin_, &QWidget::setEnabled);
    normalize_->setChecked(true);
    loudness_->setRange(kMinLoudness, kMaxLoudness);
    loudness_->setDecimals(1);
    loudness_->setValue(kDefaultLoudness);
    loudness_->setSuffix(QStringLiteral(" LUFS"));
    connect(normalize_, &QCheckBox::toggled, loudness_, &QWidget::setEnabled);

    auto* fileButtons = new QVBoxLayout;
    fileButtons->addWidget(add);
    fileButtons->addWidget(remove);
    fileButtons->addStretch();
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(files_);
    fileRow->addLayout(fileButtons);

    auto* form = new QFormLayout;
    form->addRow(trim_, margin_);
    form->addRow(normalize_, loudness_);
    output_ = AddPromptOutputRows(form, this, loadPossible);

    const OkCancelButtons buttons = MakeOkCancelButtons();
    connect(buttons.ok, &QPushButton::clicked, this, &CPrepareSoundsDlg::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &CPrepareSoundsDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Sound files to prepare (any format):")));
    layout->addLayout(fileRow);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
    resize(560, 420);
}

void CPrepareSoundsDlg::addFiles()
{
    const QStringList chosen = QFileDialog::getOpenFileNames(
        this, {}, {}, QStringLiteral("Sound Files(*.wav *.mp3 *.wma *.flac *.ogg *.m4a *.aac *.opus);;All Files(*)"));
    files_->addItems(chosen);
}

void CPrepareSoundsDlg::accept()
{
    if (files_->count() == 0) {
        ShowDialogMessage(this, ApplicationNameCaption(), QStringLiteral("Add the sound files to prepare."));
        return;
    }
    if (output_.complete(this))
        QDialog::accept();
}

PreparationRequest CPrepareSoundsDlg::request() const
{
    PreparationRequest r;
    for (int i = 0; i < files_->count(); ++i)
        r.files.push_back(FromQtPath(files_->item(i)->text()));
    r.folder = FromQtPath(output_.folder->text().trimmed());
    r.options.rate = output_.chosenRate();
    r.options.trim = trim_->isChecked();
    r.options.marginMs = margin_->value();
    r.options.normalize = normalize_->isChecked();
    r.options.loudness = loudness_->value();
    r.load = output_.load->isChecked();
    return r;
}
