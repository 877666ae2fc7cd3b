#include <gtest/gtest.h>

#include "BinCheck.h"
#include "LoaderTestSupport.h"
#include "common/TestFiles.h"

// Every power of two from 256 KiB to 8 MiB is a BIN, with its header read;
// every other length is refused.
TEST(BinCheck, AcceptsEveryFlashSizeAndRefusesOtherLengths)
{
    ScratchDir dir;
    const QString path = QString::fromStdString(dir.file("song.winproj.bin"));
    for (size_t size = 256 * 1024; size <= 8 * 1024 * 1024; size *= 2) {
        std::vector<uint8_t> bin = MakeBin(size);
        bin[1] = 0x00;  // external mode
        bin[2] = 0x08;  // 3x8 Matrix
        bin[30] = 7;
        WriteBytes(path.toStdString(), bin);
        const BinCheck check = CheckBin(path);
        ASSERT_TRUE(check.info) << size << ": " << check.refusal.toStdString();
        EXPECT_EQ(check.info->size, qint64(size));
        EXPECT_TRUE(check.info->externalMode);
        EXPECT_EQ(ControlModeName(check.info->controlModeCode), "3x8 Matrix");
        EXPECT_EQ(FlashSizeName(check.info->flashSizeCode), "64M (8,388,608 bytes)");
    }
    for (size_t size : {size_t(0), size_t(1), size_t(128 * 1024), size_t(256 * 1024 - 1), size_t(256 * 1024 + 1),
                        size_t(3 * 256 * 1024), size_t(16 * 1024 * 1024)}) {
        WriteBytes(path.toStdString(), std::vector<uint8_t>(size, 0xFF));
        const BinCheck check = CheckBin(path);
        EXPECT_FALSE(check.info) << size;
        EXPECT_TRUE(check.refusal.contains("which no BIN is")) << check.refusal.toStdString();
    }
    EXPECT_EQ(ControlModeName(0x42), "unknown (code 0x42)");
    EXPECT_EQ(FlashSizeName(8), "unknown (code 0x08)");
    EXPECT_EQ(FlashSizeBytes(1), 0);
}

TEST(BinCheck, RefusesAFileThatIsNoBin)
{
    ScratchDir dir;
    std::vector<uint8_t> bin = MakeBin(256 * 1024);
    bin[0] = 0x00;
    WriteBytes(dir.file("zero.bin"), bin);
    const std::pair<std::string, const char*> cases[] = {
        {dir.file("zero.bin"), "its first byte is 0x00, not 0xFF"},
        {dir.file("none.bin"), "does not exist"},
        {dir.path(), "is not a file"},
        {"", "No BIN chosen"},
    };
    for (const auto& [path, refusal] : cases) {
        const BinCheck check = CheckBin(QString::fromStdString(path));
        EXPECT_FALSE(check.info) << path;
        EXPECT_TRUE(check.refusal.contains(refusal)) << check.refusal.toStdString();
    }
}
