#include "app/OutsidePrograms.h"
#include "app/SessionFixture.h"

using SessionTools = SessionFixture;

// With a project the tool is given its BIN (on the whole-program road).
TEST(OutsidePrograms, DownloadToolWithoutAProjectIsGivenNoFile)
{
    EXPECT_TRUE(DownloadToolLaunch("/opt/kr/", "").arguments.empty());
}

TEST_F(SessionTools, HelpThatCannotBeShownSaysWhereItIs)
{
    session_.HelpContent();
    ASSERT_EQ(port_.messages.size(), 1u);
    EXPECT_NE(port_.messages[0].text.find(HelpFilePath(ProgramDir())), std::string::npos);
}

TEST_F(SessionTools, OtherEditionSavesFirstAndStaysWhenItCannotStart)
{
    Session here(port_, dir_.path() + "/");  // a program folder without it
    port_.files.push_back(dir_.file("X.winproj"));
    here.New();
    CKey keys;
    keys.keyFunction[0] = kNoFunction;
    port_.keys.push_back(keys);
    here.KeySetup();

    EXPECT_FALSE(here.SwitchToEdition(Edition::SimplifiedChinese));
    ASSERT_EQ(port_.messages.size(), 1u);
    EXPECT_NE(port_.messages[0].text.find("KR_App_SC"), std::string::npos);
    ProjectContent saved;
    ASSERT_FALSE(ReadProjectFile(dir_.file("X.winproj/X.winproj"), saved));
    EXPECT_EQ(saved.key, keys);
}
