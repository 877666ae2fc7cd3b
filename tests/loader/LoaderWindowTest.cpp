// The window as a user drives it: BIN shown, programmer typed, Write pressed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QFileDialog>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "LoaderSettings.h"
#include "LoaderTestSupport.h"
#include "LoaderWindow.h"
#include "common/TestFiles.h"

namespace {

class LoaderWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTestApplication();
        QSettings(QStringLiteral("KR615B"), QStringLiteral("Quick.Loader.A3")).clear();
    }

    template <class T> static T* Part(const QWidget& window, const char* name)
    {
        T* part = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(part) << name;
        return part;
    }

    ScratchDir dir;
};

}  // namespace

// Return in the chip field writes as Write does (just opened on the BIN,
// the whole-program test presses Return at once); a blank programmer is never
// kept.
TEST_F(LoaderWindowTest, WritesTheBinAndRemembersTheProgrammer)
{
    const std::string binPath = dir.file("song.winproj.bin");
    const std::vector<uint8_t> bin = MakeBin(256 * 1024);
    WriteBytes(binPath, bin);
    LoaderWindow window(QString::fromStdString(binPath));
    window.show();
    QComboBox* programmer = Part<QComboBox>(window, "programmer");
    EXPECT_EQ(programmer->currentText(), "ch341a_spi");

    QPushButton* write = Part<QPushButton>(window, "write");
    QLabel* verdict = Part<QLabel>(window, "verdict");
    QProgressBar* progress = Part<QProgressBar>(window, "progress");
    const auto writeWith = [&](const QString& chosen) {
        programmer->setCurrentText(chosen);
        QTest::keyClick(Part<QLineEdit>(window, "chip"), Qt::Key_Return);
        EXPECT_FALSE(write->isEnabled()) << "Write stays pressable while flashrom runs";
        return QTest::qWaitFor([&] { return !verdict->text().isEmpty(); }, 60000);
    };
    ASSERT_TRUE(writeWith("dummy:bus=spi"));  // no chip there
    EXPECT_EQ(progress->format(), "Not written");
    const QString chip = EmulatedChip(256 * 1024, dir.file("chip.img"));
    ASSERT_TRUE(writeWith(chip));
    EXPECT_TRUE(verdict->text().startsWith("Written and verified:")) << verdict->text().toStdString();
    EXPECT_EQ(ReadBytes(dir.file("chip.img")), bin);
    EXPECT_EQ(progress->value(), 100);
    EXPECT_TRUE(write->isEnabled());
    EXPECT_EQ(LoadChoices().programmer, chip);
    SaveChoices(LoaderChoices{"  ", ""});
    EXPECT_EQ(LoadChoices().programmer, "ch341a_spi");
}

// Also a BIN that changed into no BIN after it was shown: Write checks again.
TEST_F(LoaderWindowTest, ShowsWhyABinIsRefusedAndOffersNoWrite)
{
    const std::string binPath = dir.file("song.winproj.bin");
    std::vector<uint8_t> bin = MakeBin(512 * 1024);
    bin[30] = 2;  // 2M, 262,144 bytes
    WriteBytes(binPath, bin);
    LoaderWindow window(QString::fromStdString(binPath));
    window.show();
    EXPECT_TRUE(Part<QLabel>(window, "flashSize")->text().endsWith(": the BIN is larger than this flash"));
    QLabel* refusal = Part<QLabel>(window, "refusal");
    EXPECT_FALSE(refusal->isVisible());

    WriteBytes(binPath, std::vector<uint8_t>(256 * 1024, 0x00));
    QTest::keyClick(Part<QLineEdit>(window, "chip"), Qt::Key_Return);
    EXPECT_TRUE(refusal->isVisible());
    EXPECT_TRUE(refusal->text().contains("its first byte is 0x00, not 0xFF")) << refusal->text().toStdString();
    EXPECT_FALSE(Part<QLabel>(window, "size")->isVisible());
    EXPECT_FALSE(Part<QPushButton>(window, "write")->isEnabled());
    EXPECT_TRUE(window.close());

    LoaderWindow none{QString()};
    EXPECT_FALSE(Part<QPushButton>(none, "write")->isEnabled());
}

TEST_F(LoaderWindowTest, ReadChipTellsWhatTheFlashHoldsAndWhetherItIsTheBinWritten)
{
    std::string err;
    ASSERT_EQ(RunProgram("kr615b", {"new", dir.file("s.winproj")}, nullptr, &err), 0) << err;
    ASSERT_EQ(RunProgram("kr615b", {"compile", dir.file("s.winproj/s.winproj")}, nullptr, &err), 0) << err;
    const std::string binPath = dir.file("s.winproj/s.winproj.bin");
    SaveChoices(LoaderChoices{EmulatedChip(512 * 1024, dir.file("chip.img")), {}});
    LoaderWindow window{QString()};
    window.show();
    QLabel* verdict = Part<QLabel>(window, "verdict");
    int reads = 0;
    // Presses the button; a file dialog it opens is answered with `file`.
    const auto press = [&](const char* button, const std::string& file) {
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog->selectFile(QString::fromStdString(file));
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        answer.start(5);
        QPushButton* pressed = window.findChild<QPushButton*>(button);
        for (QPushButton* b : window.findChildren<QPushButton*>())  // Choose... has no name
            pressed = b->text() == button ? b : pressed;
        QTest::mouseClick(pressed, Qt::LeftButton);
    };
    const auto finished = [&](const char* button) {
        verdict->clear();
        press(button, dir.file("read" + std::to_string(++reads) + ".bin"));
        return QTest::qWaitFor([&] { return !verdict->text().isEmpty(); }, 60000);
    };
    press("Choose...", binPath);
    ASSERT_TRUE(finished("write"));
    ASSERT_TRUE(finished("readChip"));
    EXPECT_TRUE(verdict->text().contains("Mode: Key Mode\nSounds: 0\nEquations: 0 (none)")) << verdict->text().toStdString();
    EXPECT_TRUE(verdict->text().contains("The chip holds the BIN last written")) << verdict->text().toStdString();

    std::vector<uint8_t> chip = ReadBytes(dir.file("chip.img"));
    chip[0x40000] = 0;  // past the BIN, where the write left the erased state
    WriteBytes(dir.file("chip.img"), chip);
    ASSERT_TRUE(finished("readChip"));
    EXPECT_TRUE(verdict->text().contains("does NOT hold the BIN last written")) << verdict->text().toStdString();
}
