#include <gtest/gtest.h>

#include "FlashromOutput.h"

namespace {

// flashrom 1.3 -V writing a 16 kB chip, shortened.
const char kVerifiedWrite[] =
    "flashrom unknown on Linux 6.1 (x86_64)\n"
    "Initializing dummy programmer\n"
    "Probing for AMD Am29F010, 128 kB: probe_jedec_common: id1 0xff, id2 0xff\n"
    "Found Programmer flash chip \"Opaque flash chip\" (16 kB, Programmer-specific) on dummy.\n"
    "Reading old flash chip contents... done.\n"
    "Erasing and writing flash chip... Trying erase function 0... 0x000000-0x000fff:W, 0x001000-0x001fff:S, "
    "0x002000-0x002fff:W, 0x003000-0x003fff:W\n"
    "Erase/write done.\n"
    "Verifying flash... VERIFIED.\n";

}  // namespace

TEST(FlashromOutput, FollowsAWriteFedByteByByte)
{
    FlashromOutput output;
    QStringList shown;
    int last = 0;
    int midWrite = -1;
    QString verifyingStage;
    const std::string text = kVerifiedWrite;
    const size_t thirdBlock = text.find("0x002000");
    const size_t verifyResult = text.find("VERIFIED");
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == thirdBlock)
            midWrite = output.progress();
        if (i == verifyResult)
            verifyingStage = output.stage();  // shown before its line ends
        shown << output.feed(QByteArray(1, text[i]));
        ASSERT_GE(output.progress(), last) << "progress went back at byte " << i;
        last = output.progress();
    }
    shown << output.finish();
    // Half the chip was written when the third block began.
    EXPECT_EQ(std::pair(midWrite, verifyingStage), std::pair(50, QString("Verifying")));
    EXPECT_EQ(std::tuple(output.progress(), output.stage(), output.report().verified, output.report().chipBytes),
              std::tuple(100, "Verified", true, 16 * 1024));

    // The probe list and the block list are left out of what is shown.
    EXPECT_EQ(shown.filter("Probing").size(), 0);
    EXPECT_EQ(shown.filter("0x00").size(), 0);
    EXPECT_TRUE(shown.contains("Erasing and writing flash chip... Trying erase function 0..."));
    EXPECT_TRUE(shown.contains("Verifying flash... VERIFIED."));
}

// The other failures are read from the real flashrom in the script mode's test.
TEST(FlashromOutput, ReadsAFailedWriteAndAnAlreadyWrittenChip)
{
    const auto read = [](const char* text) {
        FlashromOutput output;
        output.feed(text);
        output.finish();
        return output.report();
    };
    const FlashromReport write = read("Erasing and writing flash chip... FAILED!\nUh oh. Erase/write failed. Checking "
                                      "if anything has changed.\nGood, writing to the flash chip apparently didn't do "
                                      "anything.\n");
    EXPECT_EQ(std::tuple(write.writeFailed, write.writeChangedNothing, write.verifyFailure), std::tuple(true, true, ""));
    // A last line without its line end is read too.
    EXPECT_TRUE(read("Warning: Chip content is identical to the requested image.").alreadyIdentical);
}
