#include "dialogs/CSpokenPromptsDlg.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/DialogMessage.h"
#include "dialogs/OkCancelButtons.h"
#include "support/Paths.h"

namespace {
enum Column { kName = 0, kText = 1, kPlay = 2 };
}

CSpokenPromptsDlg::CSpokenPromptsDlg(const std::vector<SpeechVoice>& voices, bool loadPossible, Player play,
                                     QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(0, 3)), voices_(new QComboBox), play_(std::move(play))
{
    setWindowTitle(QStringLiteral("Spoken Prompts"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Text"), QString()});
    table_->horizontalHeader()->setSectionResizeMode(kText, QHeaderView::Stretch);
    table_->verticalHeader()->setVisible(true);

    auto* add = new QPushButton(QStringLiteral("Add Row"));
    auto* remove = new QPushButton(QStringLiteral("Remove Row"));
    auto* open = new QPushButton(QStringLiteral("Open List File..."));
    connect(add, &QPushButton::clicked, this, [this] { addRow({}, {}); });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (table_->currentRow() >= 0)
            table_->removeRow(table_->currentRow());
    });
    connect(open, &QPushButton::clicked, this, &CSpokenPromptsDlg::openListFile);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addStretch();
    rowButtons->addWidget(open);

    int defaultVoice = 0;
    for (const SpeechVoice& v : voices) {
        if (v.isDefault)
            defaultVoice = voices_->count();
        voices_->addItem(QString::fromStdString(v.name), QString::fromStdString(v.name));
    }
    voices_->setCurrentIndex(defaultVoice);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Voice:"), voices_);
    output_ = AddPromptOutputRows(form, this, loadPossible);

    const OkCancelButtons buttons = MakeOkCancelButtons();
    connect(buttons.ok, &QPushButton::clicked, this, &CSpokenPromptsDlg::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &CSpokenPromptsDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(rowButtons);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
    resize(560, 480);
    addRow({}, {});
}

std::string CSpokenPromptsDlg::voice() const { return voices_->currentData().toString().toStdString(); }

void CSpokenPromptsDlg::addRow(const QString& name, const QString& text)
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, kName, new QTableWidgetItem(name));
    table_->setItem(row, kText, new QTableWidgetItem(text));
    auto* play = new QPushButton(QStringLiteral("Play"));
    // The row is looked up at the click: rows above may have been removed.
    connect(play, &QPushButton::clicked, this, [this, play] {
        for (int r = 0; r < table_->rowCount(); ++r) {
            if (table_->cellWidget(r, kPlay) != play)
                continue;
            const QTableWidgetItem* text = table_->item(r, kText);
            if (text && !text->text().trimmed().isEmpty())
                play_(text->text().toStdString(), voice(), output_.chosenRate());
        }
    });
    table_->setCellWidget(row, kPlay, play);
}

void CSpokenPromptsDlg::setPrompts(const std::vector<PromptLine>& prompts)
{
    table_->setRowCount(0);
    for (const PromptLine& p : prompts)
        addRow(QString::fromStdString(p.name), QString::fromStdString(p.text));
}

void CSpokenPromptsDlg::openListFile()
{
    const QString path = QFileDialog::getOpenFileName(this, {}, {}, QStringLiteral("Prompt Lists(*.txt *.tsv);;All Files(*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    std::vector<PromptLine> prompts;
    std::optional<std::string> error;
    if (!QFileInfo(path).isFile())
        error = "it is not a regular file";
    else if (!file.open(QIODevice::ReadOnly))
        error = file.errorString().toStdString();
    else
        error = ParsePromptList(file.readAll().toStdString(), prompts);
    if (error) {
        ShowDialogMessage(this, ApplicationNameCaption(), path + QStringLiteral(", ") + QString::fromStdString(*error));
        return;
    }
    setPrompts(prompts);
}

bool CSpokenPromptsDlg::readRows(std::vector<PromptLine>& prompts)
{
    // The rows go through the list file's checks, one row a line.
    std::string list;
    for (int r = 0; r < table_->rowCount(); ++r) {
        for (int column : {kName, kText}) {
            const QTableWidgetItem* item = table_->item(r, column);
            // A line break or tab pasted into a cell would split the row.
            QString cell = item ? item->text() : QString();
            for (const char c : {'\n', '\r', '\t'})
                cell.replace(QLatin1Char(c), QLatin1Char(' '));
            list += (column == kName ? "" : "\t") + cell.toStdString();
        }
        // A row left empty reads as a blank line, which is skipped.
        list += "\n";
    }
    if (auto error = ParsePromptList(list, prompts)) {
        QString text = QString::fromStdString(*error);
        if (text.startsWith(QStringLiteral("line ")))
            text.replace(0, 4, QStringLiteral("row"));
        ShowDialogMessage(this, ApplicationNameCaption(), text);
        return false;
    }
    return true;
}

void CSpokenPromptsDlg::accept()
{
    std::vector<PromptLine> prompts;
    if (!readRows(prompts) || !output_.complete(this))
        return;
    if (prompts.empty()) {
        ShowDialogMessage(this, ApplicationNameCaption(), QStringLiteral("Add a name and a text for each prompt."));
        return;
    }
    request_ = {std::move(prompts), voice(), output_.chosenRate(), FromQtPath(output_.folder->text().trimmed()),
                output_.load->isChecked()};
    QDialog::accept();
}
