// The tool run as a program without its window, as a script would.

#include <gtest/gtest.h>

#include "LoaderTestSupport.h"
#include "common/TestFiles.h"

namespace {

const std::string kTool = "Quick_Loader/Quick.Loader.A3";

}  // namespace

TEST(ScriptMode, ExitsZeroOnlyForAVerifiedWrite)
{
    UseTestApplication();  // the tool inherits its settings folder
    ScratchDir dir;
    const std::string binPath = dir.file("song.winproj.bin");
    const std::vector<uint8_t> bin = MakeBin(256 * 1024);
    WriteBytes(binPath, bin);
    std::string out, err;

    const std::string chip = EmulatedChip(256 * 1024, dir.file("chip.img")).toStdString();
    EXPECT_EQ(RunProgram(kTool, {"--programmer", chip, "--write", binPath}, &out, &err), 0) << err;
    EXPECT_EQ(ReadBytes(dir.file("chip.img")), bin);
    EXPECT_NE(out.find("Written and verified: " + binPath + " (262,144 bytes)."), std::string::npos) << out;

    const std::string small = EmulatedChip(128 * 1024, dir.file("small.img")).toStdString();
    EXPECT_EQ(RunProgram(kTool, {"--programmer", small, "--write", binPath}, &out, &err), 1);
    EXPECT_NE(err.find("Chip too small"), std::string::npos) << err;

    qputenv("KR_LOADER_FLASHROM", "/nonexistent/flashrom");
    EXPECT_EQ(RunProgram(kTool, {"--programmer", chip, "--write", binPath}, &out, &err), 1);
    qunsetenv("KR_LOADER_FLASHROM");
    EXPECT_NE(err.find("flashrom is missing"), std::string::npos) << err;
}

TEST(ScriptMode, RefusesABadBinAndBadUsage)
{
    UseTestApplication();
    ScratchDir dir;
    const std::string binPath = dir.file("odd.bin");
    WriteBytes(binPath, std::vector<uint8_t>(1000, 0xFF));
    std::string out, err;
    EXPECT_EQ(RunProgram(kTool, {"--programmer", "ch341a_spi", "--write", binPath}, &out, &err), 1);
    EXPECT_NE(err.find("is 1,000 bytes long, which no BIN is"), std::string::npos) << err;

    EXPECT_EQ(RunProgram(kTool, {"--write", dir.file("none.bin")}, &out, &err), 1);
    EXPECT_NE(err.find("does not exist"), std::string::npos) << err;

    EXPECT_EQ(RunProgram(kTool, {"--programmer", "ch341a_spi"}, &out, &err), 2);
    EXPECT_EQ(RunProgram(kTool, {"--write"}, &out, &err), 2);
    EXPECT_EQ(RunProgram(kTool, {"--programmer", "", "--write", binPath}, &out, &err), 2);
    EXPECT_EQ(RunProgram(kTool, {"--bogus", "--write", binPath}, &out, &err), 2);
    EXPECT_EQ(RunProgram(kTool, {"--help"}, &out, &err), 0);
    EXPECT_NE(out.find("--write <BIN>"), std::string::npos) << out;
}
