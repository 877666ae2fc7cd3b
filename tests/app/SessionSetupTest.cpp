#include "app/SessionFixture.h"

using SessionSetup = SessionFixture;

TEST_F(SessionSetup, OptionsAndModeMenuApplyTheirValues)
{
    port_.files.push_back("/ext.bin");
    session_.LoadExternalBin();
    session_.LoadExternalBin();  // cancelled: the path stays
    const COptions& options = content().options;
    const COptions before = options;
    session_.Options();  // Cancel
    EXPECT_EQ(options, before);

    // One Line opens the background music; the dialog never edits the path.
    COptions chosen;
    chosen.backgroundMusic = 1;
    port_.options.push_back(chosen);
    session_.Options();
    EXPECT_EQ(options.backgroundMusic, 1);
    EXPECT_EQ(options.externalBinPath, "/ext.bin");
    EXPECT_EQ(port_.backgroundMusicViewEnabled, true);
    EXPECT_TRUE(session_.commandsEnabled(View::BackgroundMusic));
    EXPECT_EQ(port_.modeCheck, kOneLine);

    // The Mode menu changes the mode and its mark only; Extended has no item.
    session_.SetControlMode(kMp3);
    session_.SetControlMode(kExtended);
    EXPECT_EQ(options.controlMode, kMp3);
    EXPECT_EQ(port_.modeCheck, kMp3);
    EXPECT_EQ(port_.backgroundMusicViewEnabled, true);

    // A dismissed dialog hands back what it got: the view follows the mode.
    port_.options.push_back(options);
    session_.Options();
    EXPECT_EQ(port_.backgroundMusicViewEnabled, false);
    EXPECT_FALSE(session_.commandsEnabled(View::BackgroundMusic));

    chosen.controlMode = kExtended;
    port_.options.push_back(chosen);
    session_.Options();
    EXPECT_EQ(options.controlMode, kExtended);
    EXPECT_EQ(port_.modeCheck, kMp3);

    // A new project keeps only the background-music flag.
    NewProject();
    EXPECT_EQ(content(), ProjectContent::NewProject(1));
}

