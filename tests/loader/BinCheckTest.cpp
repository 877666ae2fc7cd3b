#include <gtest/gtest.h>

#include "BinCheck.h"
#include "LoaderTestSupport.h"
#include "common/TestFiles.h"

// Every power of two from 256 KiB to 8 MiB is a BIN, with its header read;
// every other length, a wrong first byte or no file at all is refused.
TEST(BinCheck, AcceptsEveryFlashSizeAndRefusesAllElse)
{
    ScratchDir dir;
    const std::string path = dir.file("song.winproj.bin");
    for (size_t size = 256 * 1024; size <= 8 * 1024 * 1024; size *= 2) {
        std::vector<uint8_t> bin = MakeBin(size);
        bin[1] = 0x00;  // external mode
        bin[2] = 0x08;  // 3x8 Matrix
        bin[30] = 7;
        WriteBytes(path, bin);
        const BinCheck check = CheckBin(QString::fromStdString(path));
        ASSERT_TRUE(check.info) << size << ": " << check.refusal.toStdString();
        EXPECT_EQ(std::tuple(check.info->size, check.info->externalMode, ControlModeName(check.info->controlModeCode),
                             FlashSizeName(check.info->flashSizeCode)),
                  std::tuple(qint64(size), true, "3x8 Matrix", "64M (8,388,608 bytes)"));
    }
    EXPECT_EQ(ControlModeName(0x42), "unknown (code 0x42)");
    EXPECT_EQ(FlashSizeName(8), "unknown (code 0x08)");
    EXPECT_EQ(FlashSizeBytes(1), 0);

    std::vector<uint8_t> zero = MakeBin(256 * 1024);
    zero[0] = 0x00;
    WriteBytes(dir.file("zero.bin"), zero);
    std::vector<std::pair<std::string, std::string>> refusals = {
        {dir.file("zero.bin"), "its first byte is 0x00, not 0xFF"},
        {dir.file("none.bin"), "does not exist"},
        {dir.path(), "is not a file"},
        {"", "No BIN chosen"},
    };
    for (size_t size : {0, 1, 128 * 1024, 256 * 1024 - 1, 256 * 1024 + 1, 3 * 256 * 1024, 16 * 1024 * 1024}) {
        const std::string odd = dir.file(std::to_string(size) + ".bin");
        WriteBytes(odd, std::vector<uint8_t>(size, 0xFF));
        refusals.emplace_back(odd, "which no BIN is");
    }
    for (const auto& [file, refusal] : refusals) {
        const BinCheck check = CheckBin(QString::fromStdString(file));
        EXPECT_FALSE(check.info) << file;
        EXPECT_TRUE(check.refusal.contains(QString::fromStdString(refusal))) << check.refusal.toStdString();
    }
}
