#include "app/ProjectSessionFixture.h"

TEST_F(ProjectSessionTest, OptionsAndModeMenuApplyTheirValues)
{
    NewProject();
    port.files.push_back("/ext.bin");
    session.LoadExternalBin();
    session.LoadExternalBin();  // cancelled: the path stays
    const COptions& options = session.project().content.options;
    const COptions before = options;
    session.Options();  // Cancel
    EXPECT_EQ(options, before);

    // One Line opens the background music; the dialog never edits the path.
    COptions chosen;
    chosen.backgroundMusic = 1;
    port.options.push_back(chosen);
    session.Options();
    EXPECT_EQ(options.backgroundMusic, 1);
    EXPECT_EQ(options.externalBinPath, "/ext.bin");
    EXPECT_EQ(port.backgroundMusicViewEnabled, true);
    EXPECT_TRUE(session.commandsEnabled(View::BackgroundMusic));
    EXPECT_EQ(port.modeCheck, kOneLine);

    // The Mode menu changes the mode and its mark only; Extended has no item.
    session.SetControlMode(kMp3);
    session.SetControlMode(kExtended);
    EXPECT_EQ(options.controlMode, kMp3);
    EXPECT_EQ(port.modeCheck, kMp3);
    EXPECT_EQ(port.backgroundMusicViewEnabled, true);

    // A dismissed dialog hands back what it got: the view follows the mode.
    port.options.push_back(options);
    session.Options();
    EXPECT_EQ(port.backgroundMusicViewEnabled, false);
    EXPECT_FALSE(session.commandsEnabled(View::BackgroundMusic));

    chosen.controlMode = kExtended;
    port.options.push_back(chosen);
    session.Options();
    EXPECT_EQ(options.controlMode, kExtended);
    EXPECT_EQ(port.modeCheck, kMp3);
}

TEST_F(ProjectSessionTest, KeyAndEquationSetupApplyUnlessCancelled)
{
    NewProject();
    CKey keys;
    keys.keyFunction[23] = kStopFunction;
    CEquation equations;
    equations.equationNumber[0] = 219;
    port.keys = {std::nullopt, keys};
    port.equations = {std::nullopt, equations};
    const ProjectContent& content = session.project().content;
    session.KeySetup();
    session.EquationSetup();
    EXPECT_EQ(content.key, CKey{});
    EXPECT_EQ(content.equation, CEquation{});
    session.KeySetup();
    session.EquationSetup();
    EXPECT_EQ(content.key, keys);
    EXPECT_EQ(content.equation, equations);
}

TEST_F(ProjectSessionTest, PlusNeverPassesAnEmptyEquationAndMinusAlwaysRebuilds)
{
    ProjectContent content;
    content.equations[0].append(CSound::Silence(10));
    content.equations[219].append(CSound::Silence(10));
    OpenProject(content);
    port.forgetLog();

    session.NextEquation();
    session.NextEquation();  // equation 1 is empty
    EXPECT_EQ(session.currentEquation(), 1);
    EXPECT_EQ(port.shownEquation, 1);
    EXPECT_EQ(port.rebuildCount(View::Playlist), 1);

    session.SelectEquation(219);
    session.NextEquation();
    EXPECT_EQ(session.currentEquation(), 219);

    session.SelectEquation(0);
    port.forgetLog();
    session.PreviousEquation();
    EXPECT_EQ(session.currentEquation(), 0);
    EXPECT_EQ(port.rebuildCount(View::Playlist), 1);
}
