// The tool run as a program without its window, as a script would: 0 only
// for a verified write, 1 for a failed one (saying why), 2 for wrong usage.

#include <gtest/gtest.h>

#include "LoaderTestSupport.h"
#include "common/TestFiles.h"

TEST(ScriptMode, ExitsZeroOnlyForAVerifiedWriteAndSaysWhyAWriteFailed)
{
    UseTestApplication();  // the tool inherits its settings folder
    ScratchDir dir;
    const std::string binPath = dir.file("song.winproj.bin");
    const std::vector<uint8_t> bin = MakeBin(256 * 1024);
    WriteBytes(binPath, bin);
    const std::string big = dir.file("big.winproj.bin");
    const std::vector<uint8_t> bigBin = MakeBin(8192 * 1024);
    WriteBytes(big, bigBin);
    WriteBytes(dir.file("odd.bin"), std::vector<uint8_t>(1000, 0xFF));
    const std::string larger = EmulatedChip(1024 * 1024, dir.file("chip.img")).toStdString();
    const std::string small = EmulatedChip(128 * 1024, dir.file("small.img")).toStdString();
    // Several chip types answer this emulated chip; with the page-program
    // command ignored, nothing it is sent is written.
    const std::string mx = "dummy:emulate=MX25L6436,image=" + dir.file("mx.img");
    const std::string deaf = "dummy:emulate=MX25L6436,spi_ignorelist=02,image=" + dir.file("deaf.img");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string said;  // on stdout for 0, on stderr else
        const char* flashrom = nullptr;
    } cases[] = {
        // A chip larger than the BIN gets the rest filled with erased bytes.
        {{"--programmer", larger, "--write", binPath}, 0,
         "Written and verified: " + binPath + " (262,144 bytes). The chip holds 1,048,576 bytes; after the BIN it "
         "holds 0xFF."},
        {{"--programmer", small, "--write", binPath}, 1, "Chip too small: the chip holds 131,072 bytes"},
        {{"--programmer", mx, "--write", big}, 1, "The chip answers as several chip types: MX25L6405, MX25L6405D"},
        {{"--programmer", deaf, "--chip", "MX25L6405", "--write", big}, 1,
         "Verify failed: the flash does not hold the BIN (FAILED at 0x"},
        {{"--programmer", mx, "--chip", "MX25L6405", "--write", big}, 0, "Written and verified: " + big},
        {{"--programmer", mx, "--chip", "NO_SUCH_CHIP", "--write", binPath}, 1,
         "flashrom does not know the chip type \"NO_SUCH_CHIP\""},
        {{"--programmer", "no_such", "--write", binPath}, 1, "flashrom does not know the programmer \"no_such\""},
        // No programmer is plugged into this machine.
        {{"--programmer", "ch341a_spi", "--write", binPath}, 1,
         "No programmer found: flashrom could not open the programmer \"ch341a_spi\""},
        {{"--programmer", "dummy:bus=spi", "--write", binPath}, 1, "No flash chip found:"},
        {{"--programmer", larger, "--write", binPath}, 1, "flashrom is missing", "/nonexistent/flashrom"},
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
    std::vector<uint8_t> padded = bin;
    padded.resize(1024 * 1024, 0xFF);
    EXPECT_EQ(ReadBytes(dir.file("chip.img")), padded);
    EXPECT_EQ(ReadBytes(binPath), bin);
    EXPECT_EQ(ReadBytes(dir.file("mx.img")), bigBin);
}
