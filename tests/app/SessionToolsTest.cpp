#include "app/OutsidePrograms.h"
#include "app/ProjectSessionFixture.h"

TEST(OutsidePrograms, DownloadToolIsGivenTheCompiledBinOrNothing)
{
    const ProgramLaunch open = DownloadToolLaunch("/opt/kr/", "/P/song.winproj/song.winproj");
    EXPECT_EQ(open.program, "/opt/kr/Quick_Loader/Quick.Loader.A3");
    EXPECT_EQ(open.arguments, std::vector<std::string>{"/P/song.winproj/song.winproj.bin"});
    // A path with blanks stays one argument.
    EXPECT_EQ(DownloadToolLaunch("/opt/kr/", "/a b/c d").arguments, std::vector<std::string>{"/a b/c d.bin"});
    EXPECT_TRUE(DownloadToolLaunch("/opt/kr/", "").arguments.empty());

    const ProgramLaunch other = OtherEditionLaunch("/opt/kr/");
    EXPECT_EQ(other.program, "/opt/kr/KR_App_SC");
    EXPECT_TRUE(other.arguments.empty());
}

TEST_F(ProjectSessionTest, HelpOpensTheGuideOfTheProgramFolder)
{
    session.HelpContent();
    EXPECT_EQ(port.openedDocuments, std::vector<std::string>{ProgramDir() + "help.html"});
}

TEST_F(ProjectSessionTest, OtherEditionSavesFirstAndStaysWhenItCannotStart)
{
    // A program folder without the other edition.
    Session here(port, dir.path() + "/");
    port.files.push_back(dir.file("X.winproj"));
    here.New();
    CKey keys;
    keys.keyFunction[0] = kNoFunction;
    port.keys.push_back(keys);
    here.KeySetup();

    EXPECT_FALSE(here.SwitchToOtherEdition());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find("KR_App_SC"), std::string::npos);
    ProjectContent saved;
    ASSERT_FALSE(ReadProjectFile(dir.file("X.winproj/X.winproj"), saved));
    EXPECT_EQ(saved.key.keyFunction[0], kNoFunction);
}
