#include "LoaderWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ChipImage.h"
#include "LoaderSettings.h"
#include "LoaderText.h"

namespace {

// Programmers offered in the list; any other flashrom programmer string
// can be typed in.
const QStringList kCommonProgrammers = {
    QStringLiteral("ch341a_spi"),
    QStringLiteral("serprog:dev=/dev/ttyUSB0:115200"),
    QStringLiteral("ft2232_spi:type=2232H"),
    QStringLiteral("buspirate_spi:dev=/dev/ttyUSB0"),
    QStringLiteral("linux_spi:dev=/dev/spidev0.0"),
    QStringLiteral("dediprog"),
    QStringLiteral("usbblaster_spi"),
};

QLabel* ValueLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

LoaderWindow::LoaderWindow(const QString& binPath, QWidget* parent) : QWidget(parent)
{
    setWindowTitle(LoaderText("Quick.Loader.A3 - write a KR615B BIN to flash"));

    auto* binBox = new QGroupBox(LoaderText("BIN"));
    binForm_ = new QFormLayout(binBox);
    file_ = ValueLabel(QStringLiteral("file"));
    file_->setWordWrap(true);
    choose_ = new QPushButton(LoaderText("Choose..."));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(choose_);
    binForm_->addRow(LoaderText("File:"), fileRow);
    size_ = ValueLabel(QStringLiteral("size"));
    controlMode_ = ValueLabel(QStringLiteral("controlMode"));
    flashSize_ = ValueLabel(QStringLiteral("flashSize"));
    binForm_->addRow(LoaderText("Size:"), size_);
    binForm_->addRow(LoaderText("Control mode:"), controlMode_);
    binForm_->addRow(LoaderText("Flash size chosen:"), flashSize_);
    refusal_ = ValueLabel(QStringLiteral("refusal"));
    refusal_->setWordWrap(true);
    refusal_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    binForm_->addRow(refusal_);

    const LoaderChoices choices = LoadChoices();
    auto* flashBox = new QGroupBox(LoaderText("Programmer"));
    auto* flashForm = new QFormLayout(flashBox);
    programmer_ = new QComboBox;
    programmer_->setObjectName(QStringLiteral("programmer"));
    programmer_->setEditable(true);
    programmer_->addItems(kCommonProgrammers);
    programmer_->setCurrentText(choices.programmer);
    programmer_->setToolTip(LoaderText("The flashrom programmer string (flashrom -p)"));
    chip_ = new QLineEdit(choices.chip);
    chip_->setObjectName(QStringLiteral("chip"));
    chip_->setPlaceholderText(LoaderText("identified by flashrom"));
    chip_->setToolTip(LoaderText("Only when the chip answers as several types (flashrom -c)"));
    flashForm->addRow(LoaderText("Programmer:"), programmer_);
    flashForm->addRow(LoaderText("Chip type:"), chip_);

    write_ = new QPushButton(LoaderText("Write"));
    write_->setObjectName(QStringLiteral("write"));
    write_->setDefault(true);
    // Return on a focused button presses that button, as in a dialog.
    choose_->setAutoDefault(true);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 100);
    readChip_ = new QPushButton(LoaderText("Read Chip"));
    readChip_->setObjectName(QStringLiteral("readChip"));
    readChip_->setToolTip(LoaderText("Read the flash into a file and show what it holds"));
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(write_);
    runRow->addWidget(readChip_);
    runRow->addWidget(progress_, 1);

    output_ = new QPlainTextEdit;
    output_->setObjectName(QStringLiteral("output"));
    output_->setReadOnly(true);
    // A chatty programmer must not fill the memory; the end tells most.
    output_->setMaximumBlockCount(20000);
    output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    output_->setPlaceholderText(LoaderText("flashrom's output appears here."));
    verdict_ = ValueLabel(QStringLiteral("verdict"));
    verdict_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(binBox);
    layout->addWidget(flashBox);
    layout->addLayout(runRow);
    layout->addWidget(output_, 1);
    layout->addWidget(verdict_);
    resize(720, 560);

    connect(choose_, &QPushButton::clicked, this, &LoaderWindow::chooseBin);
    connect(write_, &QPushButton::clicked, this, &LoaderWindow::write);
    connect(programmer_, &QComboBox::currentTextChanged, this, &LoaderWindow::updateButtons);
    connect(&writer_, &FlashWriter::outputLines, this,
            [this](const QStringList& lines) {
                output_->appendPlainText(lines.join(QLatin1Char('\n')));
                // Follow the output as it comes, so the last line is the one in view.
                output_->verticalScrollBar()->setValue(output_->verticalScrollBar()->maximum());
            });
    connect(&writer_, &FlashWriter::progressChanged, this, [this](int percent, const QString& stage) {
        progress_->setValue(percent);
        progress_->setFormat(LoaderText("%1: %p%").arg(stage));
    });
    connect(&writer_, &FlashWriter::finished, this, &LoaderWindow::showVerdict);
    connect(readChip_, &QPushButton::clicked, this, &LoaderWindow::readChip);
    connect(&reader_, &FlashReader::outputLines, this,
            [this](const QStringList& lines) { output_->appendPlainText(lines.join(QLatin1Char('\n'))); });
    connect(&reader_, &FlashReader::finished, this, &LoaderWindow::showChipRead);

    showBin(binPath);
    // Opened on a BIN to write it: Return at once writes.
    write_->setFocus();
}

void LoaderWindow::showBin(const QString& path)
{
    bin_ = CheckBin(path);
    file_->setText(path.isEmpty() ? LoaderText("(none)") : QDir::toNativeSeparators(path));
    const bool fit = bin_.info.has_value();
    for (QLabel* row : {size_, controlMode_, flashSize_})
        binForm_->setRowVisible(row, fit);
    binForm_->setRowVisible(refusal_, !fit);
    refusal_->setText(bin_.refusal);
    if (fit) {
        const BinInfo& info = *bin_.info;
        size_->setText(LoaderText("%1 bytes").arg(GroupedNumber(info.size)));
        controlMode_->setText(ControlModeName(info.controlModeCode) +
                              (info.externalMode ? LoaderText(", external mode") : QString()));
        QString flash = FlashSizeName(info.flashSizeCode);
        if (FlashSizeBytes(info.flashSizeCode) > 0 && info.size > FlashSizeBytes(info.flashSizeCode))
            flash = LoaderText("%1: the BIN is larger than this flash").arg(flash);
        flashSize_->setText(flash);
    }
    verdict_->clear();
    progress_->setValue(0);
    progress_->setFormat(LoaderText("Not written yet"));
    updateButtons();
}

void LoaderWindow::chooseBin()
{
    const QString start = bin_.info ? QFileInfo(bin_.info->path).absolutePath() : QString();
    const QString path = QFileDialog::getOpenFileName(this, LoaderText("Choose the BIN"), start,
                                                      LoaderText("BIN files (*.bin);;All files (*)"));
    if (!path.isEmpty())
        showBin(path);
}

void LoaderWindow::write()
{
    // Checked again: the file may have changed since it was chosen.
    showBin(bin_.info ? bin_.info->path : QString());
    if (!bin_.info)
        return;
    LoaderChoices choices;
    choices.programmer = programmer_->currentText().trimmed();
    choices.chip = chip_->text().trimmed();
    SaveChoices(choices);
    output_->clear();
    verdict_->clear();
    writer_.start(WriteRequest{bin_.info->path, bin_.info->size, choices.programmer, choices.chip});
    updateButtons();
}

void LoaderWindow::showVerdict(const Verdict& verdict)
{
    verdict_->setText(verdict.text);
    verdict_->setStyleSheet(verdict.verified ? QStringLiteral("color: #006000; font-weight: bold;")
                                             : QStringLiteral("color: #b00000; font-weight: bold;"));
    if (!verdict.verified)
        progress_->setFormat(LoaderText("Not written"));
    updateButtons();
}

void LoaderWindow::readChip()
{
    const QString start = bin_.info ? QFileInfo(bin_.info->path).absolutePath() : QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(this, LoaderText("Save the chip's content as"),
                                                      QDir(start).filePath(QStringLiteral("chip.bin")),
                                                      LoaderText("BIN files (*.bin);;All files (*)"));
    if (path.isEmpty())
        return;
    LoaderChoices choices;
    choices.programmer = programmer_->currentText().trimmed();
    choices.chip = chip_->text().trimmed();
    SaveChoices(choices);
    chipFile_ = path;
    output_->clear();
    verdict_->clear();
    progress_->setRange(0, 0);  // flashrom tells nothing of a read's progress
    reader_.start(choices.programmer, choices.chip, path);
    updateButtons();
}

void LoaderWindow::showChipRead(const QString& failure)
{
    progress_->setRange(0, 100);
    progress_->setValue(0);
    QString text = failure;
    if (failure.isEmpty()) {
        QFile file(chipFile_);
        if (file.open(QIODevice::ReadOnly))
            text = LoaderText("Read into %1").arg(QDir::toNativeSeparators(chipFile_)) + QLatin1Char('\n') +
                   DescribeChipImage(file.readAll(), LastWrittenBin());
        else
            text = LoaderText("The file %1 cannot be read: %2").arg(chipFile_, file.errorString());
    }
    verdict_->setText(text);
    verdict_->setStyleSheet(failure.isEmpty() ? QString() : QStringLiteral("color: #b00000; font-weight: bold;"));
    progress_->setFormat(failure.isEmpty() ? LoaderText("Chip read") : LoaderText("Not read"));
    updateButtons();
}

void LoaderWindow::updateButtons()
{
    const bool idle = !writer_.running() && !reader_.running();
    const bool programmer = !programmer_->currentText().trimmed().isEmpty();
    write_->setEnabled(idle && bin_.info && programmer);
    readChip_->setEnabled(idle && programmer);
    choose_->setEnabled(idle);
    programmer_->setEnabled(idle);
    chip_->setEnabled(idle);
}

void LoaderWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (write_->isEnabled())
        write_->click();
}

void LoaderWindow::closeEvent(QCloseEvent* event)
{
    reader_.disconnect(this);  // a read still running ends with the window
    if (writer_.running()) {
        const auto answer = QMessageBox::question(
            this, windowTitle(),
            LoaderText("flashrom is still writing. Stop it? The flash will then hold only part of the BIN."));
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        writer_.stop();
    }
    event->accept();
}
