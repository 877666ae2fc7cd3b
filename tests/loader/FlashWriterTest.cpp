// Writes BINs through the real flashrom into its emulated chips.

#include <gtest/gtest.h>

#include <QTest>

#include "FlashWriter.h"
#include "LoaderTestSupport.h"
#include "common/TestFiles.h"

namespace {

constexpr size_t kKiB = 1024;

struct WriteRun {
    Verdict verdict;
    QStringList output;
};

class FlashWriterTest : public ::testing::Test {
protected:
    void SetUp() override { UseTestApplication(); }

    // Writes a new BIN of `size` bytes (0: the last one again) with the given
    // programmer and chip type; `stop` stops the write at its first output.
    WriteRun Write(size_t size, const QString& programmer, const QString& chip = {}, bool stop = false)
    {
        if (size) {
            bin = MakeBin(size);
            WriteBytes(binPath, bin);
        }
        FlashWriter writer;
        WriteRun run;
        bool done = false;
        QObject::connect(&writer, &FlashWriter::outputLines, [&](const QStringList& lines) {
            run.output << lines;
            if (stop)
                writer.stop();
        });
        QObject::connect(&writer, &FlashWriter::finished, [&](const Verdict& v) {
            EXPECT_FALSE(done) << "finished twice";
            run.verdict = v;
            done = true;
        });
        writer.start(WriteRequest{QString::fromStdString(binPath), qint64(bin.size()), programmer, chip});
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 60000)) << "flashrom did not end";
        EXPECT_FALSE(writer.running());
        return run;
    }

    ScratchDir dir;
    const std::string binPath = dir.file("song.winproj.bin");
    const std::string chipImage = dir.file("chip.img");
    std::vector<uint8_t> bin;
};

}  // namespace

// A chip larger than the BIN gets the rest filled with erased bytes, from a
// temporary padded copy; the BIN stays as it was. (A chip of the BIN's size
// is written in the window's and the script mode's tests.)
TEST_F(FlashWriterTest, WritesTheBinIntoALargerChip)
{
    const WriteRun run = Write(256 * kKiB, EmulatedChip(1024 * kKiB, chipImage));
    EXPECT_TRUE(run.verdict.verified) << run.verdict.text.toStdString();
    EXPECT_TRUE(run.output.contains("Verifying flash... VERIFIED."));
    std::vector<uint8_t> expected = bin;
    expected.resize(1024 * kKiB, 0xFF);
    EXPECT_EQ(ReadBytes(chipImage), expected);
    EXPECT_EQ(ReadBytes(binPath), bin);
}

// Several chip types answer this emulated chip: the verdict names them, and
// the one chosen then writes.
TEST_F(FlashWriterTest, NamesTheChipTypesWhenSeveralMatchAndWritesWithTheOneChosen)
{
    const QString programmer = "dummy:emulate=MX25L6436,image=" + QString::fromStdString(chipImage);
    const WriteRun several = Write(8192 * kKiB, programmer);
    EXPECT_FALSE(several.verdict.verified);
    EXPECT_TRUE(several.verdict.text.startsWith("The chip answers as several chip types: MX25L6405, MX25L6405D"))
        << several.verdict.text.toStdString();

    const WriteRun chosen = Write(0, programmer, "MX25L6405");
    EXPECT_TRUE(chosen.verdict.verified) << chosen.verdict.text.toStdString();
    EXPECT_EQ(ReadBytes(chipImage), bin);
}

// Every way a write can end short is a failure that says why (a chip too
// small and flashrom missing: in the script mode's test).
TEST_F(FlashWriterTest, SaysWhyAWriteFailed)
{
    const QString image = QString::fromStdString(chipImage);
    const struct {
        size_t binSize;
        QString programmer;
        QString chip;
        QString start;
        bool stop = false;
    } cases[] = {
        // This emulated chip ignores the page-program command.
        {8192 * kKiB, "dummy:emulate=MX25L6436,spi_ignorelist=02,image=" + image, "MX25L6405",
         "Verify failed: the flash does not hold the BIN (FAILED at 0x"},
        {256 * kKiB, "dummy:emulate=MX25L6436,image=" + image, "NO_SUCH_CHIP",
         "flashrom does not know the chip type \"NO_SUCH_CHIP\""},
        {256 * kKiB, "no_such_programmer", {}, "flashrom does not know the programmer \"no_such_programmer\""},
        // No programmer is plugged into this machine.
        {256 * kKiB, "ch341a_spi", {}, "No programmer found: flashrom could not open the programmer \"ch341a_spi\""},
        {256 * kKiB, "dummy:bus=spi", {}, "No flash chip found:"},
        {8192 * kKiB, EmulatedChip(8192 * kKiB, chipImage), {}, "Stopped:", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.programmer.toStdString() + " " + c.chip.toStdString());
        const WriteRun run = Write(c.binSize, c.programmer, c.chip, c.stop);
        EXPECT_FALSE(run.verdict.verified);
        EXPECT_TRUE(run.verdict.text.startsWith(c.start)) << run.verdict.text.toStdString();
    }
}
