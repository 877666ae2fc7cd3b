#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "dialogs/COptionsDlg.h"

// Readable failures.
void PrintTo(const COptions& o, std::ostream* out)
{
    *out << "{ext " << o.externalMode << ", mode " << o.controlMode << ", out " << o.soundOutput << ", busy "
         << o.busyLevel << ", pull " << o.pullHigh << ", music " << o.backgroundMusic << ", \"" << o.externalBinPath
         << "\"}";
}

namespace {

COptions Options(int32_t controlMode, int32_t backgroundMusic)
{
    COptions o;
    o.externalMode = 1;
    o.controlMode = controlMode;
    o.soundOutput = 0;
    o.busyLevel = 0;
    o.pullHigh = 1;
    o.backgroundMusic = backgroundMusic;
    o.externalBinPath = "/x/ext.bin";
    return o;
}

bool Checked(QWidget* dialog, const char* text) { return ButtonNamed(dialog, text)->isChecked(); }

// The visible control-mode buttons that are checked.
int VisibleModesChecked(QWidget* dialog)
{
    int checked = 0;
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
        if (radio->isChecked() && radio->isVisible() && radio->text().endsWith("Mode", Qt::CaseInsensitive))
            ++checked;
    }
    return checked;
}

}  // namespace

// Opens on the given values; Enter presses OK, which reads the changes back,
// while every other ending keeps the opening values.
TEST(OptionsDlg, OkReadsTheChangesBackAndTheOtherEndingsKeepTheOpeningValues)
{
    const std::pair<Ending, int> endings[] = {{Ending::Enter, COptionsDlg::kOk},
                                              {Ending::CancelButton, COptionsDlg::kCancel},
                                              {Ending::Escape, COptionsDlg::kDismissed},
                                              {Ending::CloseBox, COptionsDlg::kDismissed}};
    for (const auto& [ending, code] : endings) {
        COptionsDlg dlg;
        dlg.setOptions(Options(kThreeLine, 1));
        const int result = RunDialog(dlg, [&] {
            EXPECT_TRUE(Checked(&dlg, "External Mode"));
            EXPECT_TRUE(Checked(&dlg, "Three Line Mode"));
            EXPECT_TRUE(Checked(&dlg, "PWM"));
            EXPECT_TRUE(Checked(&dlg, "High"));
            EXPECT_TRUE(Checked(&dlg, "Pull High Resistor"));
            QAbstractButton* music = ButtonNamed(&dlg, "BackGround Music");
            EXPECT_TRUE(music->isChecked());
            EXPECT_TRUE(music->isEnabled());
            EXPECT_FALSE(music->isVisible());
            EXPECT_FALSE(ButtonNamed(&dlg, "Extended Mode")->isVisible());

            Click(ButtonNamed(&dlg, "DAC"));
            Click(ButtonNamed(&dlg, "LOW"));
            Click(ButtonNamed(&dlg, "External Mode"));
            EndDialog(dlg, ending, ButtonNamed(&dlg, "LOW"));
        });
        EXPECT_EQ(result, code);
        COptions expected = Options(kThreeLine, 1);
        if (ending == Ending::Enter) {
            expected.externalMode = 0;
            expected.soundOutput = 1;
            expected.busyLevel = 1;
        }
        EXPECT_EQ(dlg.options(), expected);
    }
}

TEST(OptionsDlg, OnlyOneAndThreeLineModesKeepBackgroundMusic)
{
    COptionsDlg dlg;
    dlg.setOptions(Options(kOneLine, 1));
    const int result = RunDialog(dlg, [&] {
        QAbstractButton* music = ButtonNamed(&dlg, "BackGround Music");
        Click(ButtonNamed(&dlg, "MP3 Mode"));
        EXPECT_FALSE(music->isEnabled());
        EXPECT_FALSE(music->isChecked());
        Click(ButtonNamed(&dlg, "Three Line Mode"));
        EXPECT_TRUE(music->isEnabled());
        EXPECT_FALSE(music->isChecked());
        Click(ButtonNamed(&dlg, "Key Mode"));
        Click(ButtonNamed(&dlg, "OK"));
    });
    EXPECT_EQ(result, COptionsDlg::kOk);
    EXPECT_EQ(dlg.options().controlMode, kKeyMode);
    EXPECT_EQ(dlg.options().backgroundMusic, 0);

    // Opening in MP3 mode unchecks the box, which OK hands back.
    COptionsDlg mp3;
    mp3.setOptions(Options(kMp3, 1));
    EXPECT_EQ(RunDialog(mp3, [&] { Click(ButtonNamed(&mp3, "OK")); }), COptionsDlg::kOk);
    EXPECT_EQ(mp3.options(), Options(kMp3, 0));
}

// Neither Extended mode nor a mode only a damaged file holds has a visible
// button checked, and OK keeps the mode and closes. Extended drops the music
// silently; the unknown mode leaves the box as it was and asks for a key mode.
TEST(OptionsDlg, ModesWithoutAVisibleButtonSurviveOk)
{
    struct {
        int mode;
        bool extendedChecked;
        int music;
        std::vector<QString> messages;
    } const cases[] = {
        {kExtended, true, 0, {}},
        {9, false, 1, {"Pls select a key mode"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        COptionsDlg dlg;
        dlg.setOptions(Options(c.mode, 1));
        MessageCatcher catcher;
        const int result = RunDialog(dlg, [&] {
            EXPECT_EQ(VisibleModesChecked(&dlg), 0);
            EXPECT_EQ(Checked(&dlg, "Extended Mode"), c.extendedChecked);
            EXPECT_EQ(Checked(&dlg, "BackGround Music"), c.music == 1);
            Click(ButtonNamed(&dlg, "OK"));
        });
        EXPECT_EQ(result, COptionsDlg::kOk);
        EXPECT_EQ(dlg.options(), Options(c.mode, c.music));
        EXPECT_EQ(catcher.texts(), c.messages);
    }
}
