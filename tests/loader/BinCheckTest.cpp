#include <gtest/gtest.h>

#include "BinCheck.h"
#include "LoaderTestSupport.h"
#include "common/TestFiles.h"

namespace {

BinCheck CheckFile(const ScratchDir& dir, const std::vector<uint8_t>& bytes)
{
    const std::string path = dir.file("song.winproj.bin");
    WriteBytes(path, bytes);
    return CheckBin(QString::fromStdString(path));
}

}  // namespace

TEST(BinCheck, AcceptsEveryFlashSizeAndReadsTheHeader)
{
    ScratchDir dir;
    for (size_t size = 256 * 1024; size <= 8 * 1024 * 1024; size *= 2) {
        std::vector<uint8_t> bin = MakeBin(size);
        bin[1] = 0x00;  // external mode
        bin[2] = 0x08;  // 3x8 Matrix
        bin[30] = 7;
        const BinCheck check = CheckFile(dir, bin);
        ASSERT_TRUE(check.info) << size << ": " << check.refusal.toStdString();
        EXPECT_EQ(check.info->size, qint64(size));
        EXPECT_TRUE(check.info->externalMode);
        EXPECT_EQ(ControlModeName(check.info->controlModeCode), "3x8 Matrix");
        EXPECT_EQ(FlashSizeName(check.info->flashSizeCode), "64M (8,388,608 bytes)");
    }
}

TEST(BinCheck, RefusesLengthsNoBinHas)
{
    ScratchDir dir;
    for (size_t size : {size_t(0), size_t(1), size_t(128 * 1024), size_t(256 * 1024 - 1), size_t(256 * 1024 + 1),
                        size_t(3 * 256 * 1024), size_t(16 * 1024 * 1024)}) {
        const BinCheck check = CheckFile(dir, std::vector<uint8_t>(size, 0xFF));
        EXPECT_FALSE(check.info) << size;
        EXPECT_TRUE(check.refusal.contains("which no BIN is")) << check.refusal.toStdString();
    }
}

TEST(BinCheck, RefusesAFileThatIsNoBin)
{
    ScratchDir dir;
    std::vector<uint8_t> bin = MakeBin(256 * 1024);
    bin[0] = 0x00;
    const BinCheck wrongStart = CheckFile(dir, bin);
    EXPECT_FALSE(wrongStart.info);
    EXPECT_TRUE(wrongStart.refusal.contains("its first byte is 0x00, not 0xFF")) << wrongStart.refusal.toStdString();

    for (const auto& [path, refusal] : {std::pair{dir.file("none.bin"), "does not exist"}, {dir.path(), "is not a file"}}) {
        const BinCheck check = CheckBin(QString::fromStdString(path));
        EXPECT_FALSE(check.info) << path;
        EXPECT_TRUE(check.refusal.contains(refusal)) << check.refusal.toStdString();
    }
    EXPECT_FALSE(CheckBin(QString()).info);
}

// Names within the range are checked where BINs are read; here the ends of
// the range and codes beyond them.
TEST(BinCheck, NamesTheEndsOfTheCodeRanges)
{
    EXPECT_EQ(ControlModeName(0x42), "unknown (code 0x42)");
    EXPECT_EQ(FlashSizeName(2), "2M (262,144 bytes)");
    EXPECT_EQ(FlashSizeBytes(7), 8388608);
    EXPECT_EQ(FlashSizeBytes(1), 0);
    EXPECT_EQ(FlashSizeName(8), "unknown (code 0x08)");
}
