#include "app/OutsidePrograms.h"
#include "app/SessionFixture.h"

using SessionTools = SessionFixture;

// Help that cannot be shown says where it is; the other edition saves first
// and stays when it cannot start.
TEST_F(SessionTools, HelpAndOtherEditionThatCannotStartSayWhatIsMissing)
{
    session_.HelpContent();
    Session here(port_, dir_.path() + "/");  // a program folder without the other edition
    port_.files.push_back(dir_.file("X.winproj"));
    here.New();
    CKey keys;
    keys.keyFunction[0] = kNoFunction;
    port_.keys.push_back(keys);
    here.KeySetup();

    EXPECT_FALSE(here.SwitchToEdition(Edition::SimplifiedChinese));
    EXPECT_THAT(Texts(port_.messages), ElementsAre(HasSubstr(HelpFilePath(ProgramDir())), HasSubstr("KR_App_SC")));
    ProjectContent saved;
    ASSERT_FALSE(ReadProjectFile(dir_.file("X.winproj/X.winproj"), saved));
    EXPECT_EQ(saved.key, keys);
}

TEST_F(SessionTools, RecoverOpensTheProjectMadeFromTheBinAndNeverMixesIntoAnExistingOne)
{
    Reopen([&](ProjectContent& c) {
        c.library.append(Entry("a.wav", true));
        c.equations[3].append(Entry("a.wav"));
        c.equations[3].append(CSound::Silence(1200));
    });
    session_.Compile();
    const std::string bin = session_.project().projectFilePath + ".bin";
    port_.files = {bin, dir_.file("R.winproj")};
    port_.forgetLog();
    session_.RecoverProjectFromBin();
    const std::string recovered = dir_.file("R.winproj/R.winproj");
    EXPECT_EQ(session_.project().projectFilePath, recovered);  // its records: BinReadback
    EXPECT_EQ(content().equations[3].count(), 2);
    EXPECT_EQ(Texts(port_.messages), std::vector<std::string>{"Project recovered from the BIN.\nThe BIN was made for "
                                                             "32M flash: choose 32M under \"Flash :\" to compile the same BIN."});

    // Again into the same place: its sound folder is not mixed with a second recovery.
    const std::vector<uint8_t> before = ReadBytes(recovered);
    port_.files = {bin, dir_.file("R.winproj")};
    port_.forgetLog();
    session_.RecoverProjectFromBin();
    EXPECT_EQ(Texts(port_.messages), Strings{"A project already exists there: " + recovered});
    EXPECT_EQ(ReadBytes(recovered), before);
}
