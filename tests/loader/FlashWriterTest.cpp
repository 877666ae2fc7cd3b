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

    // Writes a BIN of `size` bytes with the given programmer and chip type.
    WriteRun Write(size_t size, const QString& programmer, const QString& chip = QString())
    {
        bin = MakeBin(size);
        WriteBytes(binPath, bin);
        return WriteFile(programmer, chip);
    }

    WriteRun WriteFile(const QString& programmer, const QString& chip = QString())
    {
        FlashWriter writer;
        WriteRun run;
        bool done = false;
        QObject::connect(&writer, &FlashWriter::outputLines, [&](const QStringList& lines) { run.output << lines; });
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

// A chip of the BIN's size, and a larger one whose rest is filled with
// erased bytes from a temporary padded copy.
TEST_F(FlashWriterTest, WritesTheBinIntoAChipOfItsSizeOrLarger)
{
    for (const size_t chipSize : {256 * kKiB, 1024 * kKiB}) {
        SCOPED_TRACE(chipSize);
        const WriteRun run = Write(256 * kKiB, EmulatedChip(chipSize, chipImage));
        EXPECT_TRUE(run.verdict.verified) << run.verdict.text.toStdString();
        EXPECT_TRUE(run.verdict.text.startsWith("Written and verified:")) << run.verdict.text.toStdString();
        EXPECT_EQ(run.verdict.text.contains("The chip holds 1,048,576 bytes; after the BIN it holds 0xFF."),
                  chipSize > bin.size());
        EXPECT_TRUE(run.output.contains("Verifying flash... VERIFIED."));
        std::vector<uint8_t> expected = bin;
        expected.resize(chipSize, 0xFF);
        EXPECT_EQ(ReadBytes(chipImage), expected);
        EXPECT_EQ(ReadBytes(binPath), bin);
    }
}

TEST_F(FlashWriterTest, RefusesAChipSmallerThanTheBin)
{
    const WriteRun run = Write(512 * kKiB, EmulatedChip(256 * kKiB, chipImage));
    EXPECT_FALSE(run.verdict.verified);
    EXPECT_EQ(run.verdict.text.toStdString(),
              "Chip too small: the chip holds 262,144 bytes, the BIN has 524,288 bytes. Use a chip of at least "
              "524,288 bytes.");
    // flashrom stopped before it wrote anything.
    EXPECT_TRUE(ReadBytes(chipImage).empty());
}

TEST_F(FlashWriterTest, ReportsAFailedVerify)
{
    // This emulated chip ignores the page-program command: nothing is written.
    const WriteRun run = Write(8192 * kKiB, "dummy:emulate=MX25L6436,spi_ignorelist=02,image=" +
                                                QString::fromStdString(chipImage),
                               "MX25L6405");
    EXPECT_FALSE(run.verdict.verified);
    EXPECT_TRUE(run.verdict.text.startsWith("Verify failed: the flash does not hold the BIN (FAILED at 0x"))
        << run.verdict.text.toStdString();
}

TEST_F(FlashWriterTest, NamesTheChipTypesWhenSeveralMatchAndWritesWithTheOneChosen)
{
    const QString programmer = "dummy:emulate=MX25L6436,image=" + QString::fromStdString(chipImage);
    const WriteRun several = Write(8192 * kKiB, programmer);
    EXPECT_FALSE(several.verdict.verified);
    EXPECT_TRUE(several.verdict.text.startsWith("The chip answers as several chip types: MX25L6405, MX25L6405D"))
        << several.verdict.text.toStdString();

    const WriteRun chosen = WriteFile(programmer, "MX25L6405");
    EXPECT_TRUE(chosen.verdict.verified) << chosen.verdict.text.toStdString();
    EXPECT_EQ(ReadBytes(chipImage), bin);

    const WriteRun unknown = WriteFile(programmer, "NO_SUCH_CHIP");
    EXPECT_TRUE(unknown.verdict.text.startsWith("flashrom does not know the chip type \"NO_SUCH_CHIP\""))
        << unknown.verdict.text.toStdString();
}

TEST_F(FlashWriterTest, SaysWhyWhenThereIsNoFlashromProgrammerOrChip)
{
    const struct {
        QString programmer;
        QString start;
        const char* flashrom = nullptr;
    } cases[] = {
        {"no_such_programmer", "flashrom does not know the programmer \"no_such_programmer\""},
        // No programmer is plugged into this machine.
        {"ch341a_spi", "No programmer found: flashrom could not open the programmer \"ch341a_spi\""},
        {"dummy:bus=spi", "No flash chip found:"},
        {EmulatedChip(256 * kKiB, chipImage), "flashrom is missing: /nonexistent/flashrom cannot be started.",
         "/nonexistent/flashrom"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.programmer.toStdString());
        if (c.flashrom)
            qputenv("KR_LOADER_FLASHROM", c.flashrom);
        const WriteRun run = Write(256 * kKiB, c.programmer);
        qunsetenv("KR_LOADER_FLASHROM");
        EXPECT_FALSE(run.verdict.verified);
        EXPECT_TRUE(run.verdict.text.startsWith(c.start)) << run.verdict.text.toStdString();
    }
}

TEST_F(FlashWriterTest, AStoppedWriteIsNoSuccess)
{
    bin = MakeBin(8192 * kKiB);
    WriteBytes(binPath, bin);
    FlashWriter writer;
    std::optional<Verdict> verdict;
    QObject::connect(&writer, &FlashWriter::outputLines, [&](const QStringList&) { writer.stop(); });
    QObject::connect(&writer, &FlashWriter::finished, [&](const Verdict& v) { verdict = v; });
    writer.start(WriteRequest{QString::fromStdString(binPath), qint64(bin.size()),
                              EmulatedChip(8192 * kKiB, chipImage), QString()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return verdict.has_value(); }, 60000));
    EXPECT_FALSE(verdict->verified);
    EXPECT_TRUE(verdict->text.startsWith("Stopped:")) << verdict->text.toStdString();
}
