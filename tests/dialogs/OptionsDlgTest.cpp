#include "dialogs/COptionsDlg.h"
#include "widgetmain/WidgetDriver.h"

namespace {

COptions Options(int32_t controlMode, int32_t backgroundMusic)
{
    return {1, controlMode, 0, 0, 1, backgroundMusic, "/x/ext.bin"};
}

}  // namespace

// Opens on the given values; Enter presses OK, which reads the changes back,
// while every other ending keeps the opening values.
TEST(OptionsDlg, OkReadsTheChangesBackAndTheOtherEndingsKeepTheOpeningValues)
{
    const std::pair<Ending, int> endings[] = {
        {Ending::Enter, COptionsDlg::kOk}, {Ending::CancelButton, COptionsDlg::kCancel},
        {Ending::Escape, COptionsDlg::kDismissed}, {Ending::CloseBox, COptionsDlg::kDismissed}};
    for (const auto& [ending, code] : endings) {
        COptionsDlg dlg;
        dlg.setOptions(Options(kThreeLine, 1));
        const int result = RunDialog(dlg, [&] {
            for (const char* on : {"External Mode", "Three Line Mode", "PWM", "High", "Pull High Resistor",
                                   "BackGround Music"})
                EXPECT_TRUE(ButtonNamed(&dlg, on)->isChecked()) << on;
            EXPECT_FALSE(ButtonNamed(&dlg, "BackGround Music")->isVisible());
            EXPECT_FALSE(ButtonNamed(&dlg, "Extended Mode")->isVisible());
            Click(ButtonNamed(&dlg, "DAC"));
            Click(ButtonNamed(&dlg, "LOW"));
            Click(ButtonNamed(&dlg, "External Mode"));
            EndDialog(dlg, ending, ButtonNamed(&dlg, "LOW"));
        });
        EXPECT_EQ(result, code);
        const COptions changed{0, kThreeLine, 1, 1, 1, 1, "/x/ext.bin"};
        EXPECT_EQ(dlg.options(), ending == Ending::Enter ? changed : Options(kThreeLine, 1));
    }
}

// Only One and Three Line modes keep background music: opening in or
// choosing another mode unchecks it. Extended mode has no visible button but
// keeps its value; a mode only a damaged file holds leaves the box as it was
// and asks for a key mode.
TEST(OptionsDlg, OnlyOneAndThreeLineModesKeepBackgroundMusic)
{
    COptionsDlg dlg;
    dlg.setOptions(Options(kOneLine, 1));
    const int result = RunDialog(dlg, [&] {
        QAbstractButton* music = ButtonNamed(&dlg, "BackGround Music");
        Click(ButtonNamed(&dlg, "MP3 Mode"));
        EXPECT_FALSE(music->isEnabled() || music->isChecked());
        Click(ButtonNamed(&dlg, "Three Line Mode"));
        EXPECT_TRUE(music->isEnabled());
        EXPECT_FALSE(music->isChecked());
        Click(ButtonNamed(&dlg, "Key Mode"));
        Click(ButtonNamed(&dlg, "OK"));
    });
    EXPECT_EQ(result, COptionsDlg::kOk);
    EXPECT_EQ(dlg.options(), Options(kKeyMode, 0));

    const std::tuple<int, int, std::vector<QString>> cases[] = {  // mode, music kept, messages
        {kMp3, 0, {}}, {kExtended, 0, {}}, {9, 1, {"Pls select a key mode"}}};
    for (const auto& [mode, music, messages] : cases) {
        COptionsDlg opened;
        opened.setOptions(Options(mode, 1));
        MessageCatcher catcher;
        EXPECT_EQ(RunDialog(opened, [&] { Click(ButtonNamed(&opened, "OK")); }), COptionsDlg::kOk);
        EXPECT_EQ(opened.options(), Options(mode, music)) << mode;
        EXPECT_EQ(catcher.texts, messages);
    }
}
