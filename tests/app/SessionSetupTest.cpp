#include "app/ProjectSessionFixture.h"

TEST_F(ProjectSessionTest, EditingIsEnabledOnlyWithAProject)
{
    for (View view : {View::Library, View::Playlist, View::BackgroundMusic})
        EXPECT_FALSE(session.commandsEnabled(view));
    NewProject();
    EXPECT_TRUE(session.commandsEnabled(View::Library));
    EXPECT_TRUE(session.commandsEnabled(View::Playlist));
    EXPECT_FALSE(session.commandsEnabled(View::BackgroundMusic));  // Key mode
    session.Close();
    for (View view : {View::Library, View::Playlist, View::BackgroundMusic})
        EXPECT_FALSE(session.commandsEnabled(view));
}

TEST_F(ProjectSessionTest, OptionsAppliesUnlessCancelled)
{
    NewProject();
    port.files.push_back("/ext.bin");
    session.LoadExternalBin();

    // Cancel: nothing changes.
    const COptions before = session.project().content.options;
    port.forgetLog();
    session.Options();
    EXPECT_EQ(session.project().content.options, before);
    EXPECT_EQ(port.modeCheck, kKeyMode);

    // One Line: the background music becomes usable; the path is kept.
    COptions chosen;
    chosen.controlMode = kOneLine;
    chosen.backgroundMusic = 1;
    port.options.push_back(chosen);
    session.Options();
    EXPECT_EQ(session.project().content.options.controlMode, kOneLine);
    EXPECT_EQ(session.project().content.options.backgroundMusic, 1);
    EXPECT_EQ(session.project().content.options.externalBinPath, "/ext.bin");
    EXPECT_EQ(port.backgroundMusicViewEnabled, true);
    EXPECT_TRUE(session.commandsEnabled(View::BackgroundMusic));
    EXPECT_EQ(port.modeCheck, kOneLine);

    // The Mode menu changes the mode and the mark only.
    session.SetControlMode(kMp3);
    EXPECT_EQ(session.project().content.options.controlMode, kMp3);
    EXPECT_EQ(port.modeCheck, kMp3);
    EXPECT_EQ(port.backgroundMusicViewEnabled, true);
    session.SetControlMode(kExtended);  // no such item
    EXPECT_EQ(session.project().content.options.controlMode, kMp3);

    // A dismissed dialog hands back what it got; the view follows the mode.
    port.options.push_back(session.project().content.options);
    session.Options();
    EXPECT_EQ(port.backgroundMusicViewEnabled, false);
    EXPECT_FALSE(session.commandsEnabled(View::BackgroundMusic));

    // Extended leaves the marks as they were.
    chosen.controlMode = kExtended;
    port.options.push_back(chosen);
    session.Options();
    EXPECT_EQ(session.project().content.options.controlMode, kExtended);
    EXPECT_EQ(port.modeCheck, kMp3);
}

TEST_F(ProjectSessionTest, KeyAndEquationSetupApplyUnlessCancelled)
{
    NewProject();
    const Project& p = session.project();
    session.KeySetup();
    session.EquationSetup();
    EXPECT_EQ(p.content.key, CKey{});
    EXPECT_EQ(p.content.equation, CEquation{});

    CKey keys;
    keys.keyFunction[23] = kStopFunction;
    CEquation equations;
    equations.equationNumber[0] = 219;
    port.keys.push_back(keys);
    port.equations.push_back(equations);
    session.KeySetup();
    session.EquationSetup();
    EXPECT_EQ(p.content.key, keys);
    EXPECT_EQ(p.content.equation, equations);
}

TEST_F(ProjectSessionTest, PlusNeverPassesAnEmptyEquationAndMinusAlwaysRebuilds)
{
    ProjectContent content;
    content.equations[0].append(CSound::Silence(10));
    content.equations[219].append(CSound::Silence(10));
    OpenProject(content);
    port.forgetLog();

    session.NextEquation();
    EXPECT_EQ(session.currentEquation(), 1);
    EXPECT_EQ(port.shownEquation, 1);
    session.NextEquation();  // equation 1 is empty
    EXPECT_EQ(session.currentEquation(), 1);
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
