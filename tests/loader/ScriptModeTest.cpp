// The tool run as a program without its window, as a script would: 0 only
// for a verified write, 1 for a failed one, 2 for wrong usage.

#include <gtest/gtest.h>

#include "LoaderTestSupport.h"
#include "common/TestFiles.h"

TEST(ScriptMode, ExitsZeroOnlyForAVerifiedWrite)
{
    UseTestApplication();  // the tool inherits its settings folder
    ScratchDir dir;
    const std::string binPath = dir.file("song.winproj.bin");
    const std::vector<uint8_t> bin = MakeBin(256 * 1024);
    WriteBytes(binPath, bin);
    WriteBytes(dir.file("odd.bin"), std::vector<uint8_t>(1000, 0xFF));
    const std::string chip = EmulatedChip(256 * 1024, dir.file("chip.img")).toStdString();
    const std::string small = EmulatedChip(128 * 1024, dir.file("small.img")).toStdString();
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string said;  // on stdout for 0, on stderr else
        const char* flashrom = nullptr;
    } cases[] = {
        {{"--programmer", chip, "--write", binPath}, 0, "Written and verified: " + binPath + " (262,144 bytes)."},
        {{"--programmer", small, "--write", binPath}, 1, "Chip too small: the chip holds 131,072 bytes"},
        {{"--programmer", chip, "--write", binPath}, 1, "flashrom is missing", "/nonexistent/flashrom"},
        {{"--programmer", "ch341a_spi", "--write", dir.file("odd.bin")}, 1, "which no BIN is"},
        {{"--write", dir.file("none.bin")}, 1, "does not exist"},
        {{"--programmer", "ch341a_spi"}, 2, ""},
        {{"--write"}, 2, ""},
        {{"--programmer", "", "--write", binPath}, 2, ""},
        {{"--bogus", "--write", binPath}, 2, ""},
        {{"--help"}, 0, "--write <BIN>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " " + c.arguments.back());
        if (c.flashrom)
            qputenv("KR_LOADER_FLASHROM", c.flashrom);
        std::string out, err;
        EXPECT_EQ(RunProgram("Quick_Loader/Quick.Loader.A3", c.arguments, &out, &err), c.exitCode) << err;
        qunsetenv("KR_LOADER_FLASHROM");
        EXPECT_NE((c.exitCode == 0 ? out : err).find(c.said), std::string::npos) << out << err;
    }
    EXPECT_EQ(ReadBytes(dir.file("chip.img")), bin);
}
