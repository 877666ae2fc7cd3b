// Writes a BIN through the real flashrom into its emulated chip; the other
// ways a write ends are in the script mode's test.

#include <gtest/gtest.h>

#include <QTest>

#include "FlashWriter.h"
#include "LoaderTestSupport.h"
#include "common/TestFiles.h"

TEST(FlashWriter, AStoppedWriteEndsOnceAndSaysTheFlashMayHoldPartOfTheBin)
{
    UseTestApplication();
    ScratchDir dir;
    const std::string binPath = dir.file("song.winproj.bin");
    const size_t size = 8192 * 1024;
    WriteBytes(binPath, MakeBin(size));
    FlashWriter writer;
    std::vector<Verdict> verdicts;
    QObject::connect(&writer, &FlashWriter::outputLines, [&] { writer.stop(); });
    QObject::connect(&writer, &FlashWriter::finished, [&](const Verdict& v) { verdicts.push_back(v); });
    const QString chip = EmulatedChip(size, dir.file("chip.img"));
    writer.start(WriteRequest{QString::fromStdString(binPath), qint64(size), chip, {}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !verdicts.empty(); }, 60000)) << "flashrom did not end";
    QTest::qWait(50);
    ASSERT_EQ(verdicts.size(), 1u);
    EXPECT_FALSE(verdicts[0].verified || writer.running());
    EXPECT_TRUE(verdicts[0].text.startsWith("Stopped:")) << verdicts[0].text.toStdString();
}
