#include "dialogs/COptionsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogMessage.h"
#include "dialogs/OkCancelButtons.h"
#include "model/RecordNames.h"

namespace {

// A group box holding one radio button per (id, text), laid out top to bottom.
QGroupBox* RadioGroup(const QString& title, QButtonGroup* buttons,
                      std::initializer_list<std::pair<int, const char*>> choices)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    for (const auto& [id, text] : choices) {
        auto* radio = new QRadioButton(QString::fromLatin1(text));
        buttons->addButton(radio, id);
        layout->addWidget(radio);
    }
    return box;
}

bool UsesBackgroundMusic(int mode) { return mode == kOneLine || mode == kThreeLine; }

}  // namespace

COptionsDlg::COptionsDlg(QWidget* parent)
    : QDialog(parent),
      externalMode_(new QCheckBox(QStringLiteral("External Mode"))),
      pullHigh_(new QCheckBox(QStringLiteral("Pull High Resistor"))),
      backgroundMusic_(new QCheckBox(QStringLiteral("BackGround Music"))),
      controlMode_(new QButtonGroup(this)),
      soundOutput_(new QButtonGroup(this)),
      busyLevel_(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Options"));

    std::initializer_list<std::pair<int, const char*>> modes = {
        {kOneLine, kControlModeNames[kOneLine]},         {kThreeLine, kControlModeNames[kThreeLine]},
        {kMp3, kControlModeNames[kMp3]},                 {kMatrix3x8, kControlModeNames[kMatrix3x8]},
        {kParallelPort, kControlModeNames[kParallelPort]}, {kExtended, kControlModeNames[kExtended]},
        {kKeyMode, kControlModeNames[kKeyMode]},
    };
    QGroupBox* modeBox = RadioGroup(QStringLiteral("Control Mode :"), controlMode_, modes);
    // Extended mode is reachable only from a stored project: its button is
    // never shown but still holds the value.
    controlMode_->button(kExtended)->hide();
    QGroupBox* outputBox = RadioGroup(QStringLiteral("Sound Output"), soundOutput_, {{1, "DAC"}, {0, "PWM"}});
    QGroupBox* busyBox = RadioGroup(QStringLiteral("Busy Mode :"), busyLevel_, {{1, "LOW"}, {0, "High"}});
    backgroundMusic_->hide();

    const OkCancelButtons buttons = MakeOkCancelButtons();
    connect(buttons.ok, &QPushButton::clicked, this, &COptionsDlg::acceptValues);
    connect(buttons.cancel, &QPushButton::clicked, this, [this] { done(kCancel); });

    auto* right = new QVBoxLayout;
    right->addWidget(outputBox);
    right->addWidget(busyBox);
    right->addWidget(externalMode_);
    right->addWidget(pullHigh_);
    right->addWidget(backgroundMusic_);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(modeBox);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(controlMode_, &QButtonGroup::idClicked, this, &COptionsDlg::showControlMode);
}

void COptionsDlg::setOptions(const COptions& options)
{
    options_ = options;
    externalMode_->setChecked(options.externalMode == 1);
    backgroundMusic_->setChecked(options.backgroundMusic == 1);
    if (QAbstractButton* mode = controlMode_->button(options.controlMode)) {
        mode->setChecked(true);
        showControlMode(options.controlMode);
    }
    soundOutput_->button(options.soundOutput == 1 ? 1 : 0)->setChecked(true);
    busyLevel_->button(options.busyLevel == 1 ? 1 : 0)->setChecked(true);
    pullHigh_->setChecked(options.pullHigh == 1);
}

// Background music is usable only in One Line and Three Line mode.
void COptionsDlg::showControlMode(int mode)
{
    const bool usable = UsesBackgroundMusic(mode);
    backgroundMusic_->setEnabled(usable);
    if (!usable)
        backgroundMusic_->setChecked(false);
}

void COptionsDlg::acceptValues()
{
    options_.externalMode = externalMode_->isChecked() ? 1 : 0;
    // A group with no checked button keeps the previous value, after a message.
    const struct {
        QButtonGroup* group;
        int32_t* field;
        const char* message;
    } choices[] = {
        {controlMode_, &options_.controlMode, "Pls select a key mode"},
        {soundOutput_, &options_.soundOutput, "Pls select a sound mode"},
        {busyLevel_, &options_.busyLevel, "Pls select a busy mode"},
    };
    for (const auto& choice : choices) {
        const int id = choice.group->checkedId();
        if (id == -1)
            ShowDialogMessage(this, ApplicationNameCaption(), QString::fromLatin1(choice.message));
        else
            *choice.field = id;
    }
    options_.pullHigh = pullHigh_->isChecked() ? 1 : 0;
    options_.backgroundMusic = backgroundMusic_->isChecked() ? 1 : 0;
    done(kOk);
}
