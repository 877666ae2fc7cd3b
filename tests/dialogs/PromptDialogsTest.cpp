#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

#include <sys/stat.h>

#include "common/TestFiles.h"
#include "dialogs/CPrepareSoundsDlg.h"
#include "dialogs/CSpokenPromptsDlg.h"
#include "widgetmain/WidgetDriver.h"

namespace {

const QString kNoFolder = "Choose the folder for the prepared sounds.";

}  // namespace

// OK asks for files, then a folder; the dialog hands back every choice.
TEST(PrepareSoundsDlg, AsksForFilesAndAFolderAndHandsBackTheChoices)
{
    ScratchDir dir;
    for (const char* name : {"a.wav", "b.mp3", "c.flac"})
        WriteBytes(dir.file(name), {1});
    CPrepareSoundsDlg dlg(false);
    MessageCatcher catcher;
    const int result = RunDialog(dlg, [&] {
        Click(ButtonNamed(&dlg, "OK"));
        const Answer<QFileDialog> files(ChooseFile(Q(dir.path()), "\"a.wav\" \"b.mp3\" \"c.flac\""), 1);
        Click(ButtonNamed(&dlg, "Add Files..."));
        dlg.findChild<QListWidget*>()->setCurrentRow(1);
        Click(ButtonNamed(&dlg, "Remove"));
        Click(ButtonNamed(&dlg, "OK"));
        const Answer<QFileDialog> folder(ChooseFile(Q(dir.path())), 1);
        Click(ButtonNamed(&dlg, "Browse..."));
        Click(ButtonNamed(&dlg, "Trim leading and trailing silence"));
        EXPECT_FALSE(dlg.findChild<QSpinBox*>()->isEnabled());
        dlg.findChild<QDoubleSpinBox*>()->setValue(-20.5);
        auto* rate = dlg.findChild<QComboBox*>();
        rate->setCurrentIndex(rate->findData(16000));
        EXPECT_FALSE(ButtonNamed(&dlg, "Load into the sound library")->isEnabled());
        Click(ButtonNamed(&dlg, "OK"));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(catcher.texts, (std::vector<QString>{"Add the sound files to prepare.", kNoFolder}));
    const PreparationRequest r = dlg.request();
    EXPECT_EQ(r.files, (std::vector<std::string>{dir.file("a.wav"), dir.file("c.flac")}));
    EXPECT_EQ(r.folder, dir.path());
    const PrepareOptions& o = r.options;
    EXPECT_EQ(std::make_tuple(o.rate, o.trim, o.normalize, o.loudness, r.load),
              std::make_tuple(16000, false, true, -20.5, false));
}

// A list file fills the table unless it is refused. Rows are checked as a
// list's lines are and reported by row; each Play button plays its own row
// even after rows above it went.
TEST(SpokenPromptsDlg, ReadsListsChecksRowsPlaysEachRowAndHandsBackTheRequest)
{
    ScratchDir dir;
    const std::string good = "greet\tHello\r\n\nbye\tGoodbye\n", bad = "greet Hello\n";
    WriteBytes(dir.file("good.txt"), {good.begin(), good.end()});
    WriteBytes(dir.file("bad.txt"), {bad.begin(), bad.end()});
    ASSERT_EQ(::mkfifo(dir.file("pipe.txt").c_str(), 0600), 0);
    const std::vector<SpeechVoice> voices = {{{"en"}, "English", false}, {{"de"}, "German", true}};
    std::vector<std::string> played;
    CSpokenPromptsDlg dlg(voices, true, [&](const std::string& text, const std::string& voice, int rate) {
        played.push_back(text + "|" + voice + "|" + std::to_string(rate));
    });
    auto* table = dlg.findChild<QTableWidget*>();
    const auto fill = [&](std::vector<std::pair<QString, QString>> rows) {
        table->setRowCount(0);
        for (const auto& [name, text] : rows) {
            Click(ButtonNamed(&dlg, "Add Row"));
            table->item(table->rowCount() - 1, 0)->setText(name);
            table->item(table->rowCount() - 1, 1)->setText(text);
        }
    };
    MessageCatcher catcher;
    const int result = RunDialog(dlg, [&] {
        for (const char* name : {"good.txt", "bad.txt", "pipe.txt"}) {
            const Answer<QFileDialog> list(ChooseFile(Q(dir.path()), name));
            Click(ButtonNamed(&dlg, "Open List File..."));
        }
        EXPECT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->item(1, 1)->text(), "Goodbye");

        fill({{"", ""}});
        Click(ButtonNamed(&dlg, "OK"));
        dlg.findChild<QLineEdit*>()->setText(Q(dir.path()));
        Click(ButtonNamed(&dlg, "OK"));
        fill({{"", ""}, {"x", "a"}, {"x", "b"}});
        Click(ButtonNamed(&dlg, "OK"));
        fill({{"a/b", "c"}});
        Click(ButtonNamed(&dlg, "OK"));
        // A tab pasted into a name stays in that cell; a name without text is named.
        fill({{"x\ty", "a"}, {"n", ""}});
        Click(ButtonNamed(&dlg, "OK"));

        fill({{"hi", "Hello"}, {"bye", "Good\nbye"}, {"", ""}});
        table->setCurrentCell(0, 0);
        Click(ButtonNamed(&dlg, "Remove Row"));
        for (int row = 0; row < table->rowCount(); ++row)
            Click(table->cellWidget(row, 2));
        Click(ButtonNamed(&dlg, "OK"));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(catcher.texts,
              (std::vector<QString>{Q(dir.file("bad.txt")) + ", line 1: expected NAME, a tab and the text",
                                    Q(dir.file("pipe.txt")) + ", it is not a regular file", kNoFolder,
                                    "Add a name and a text for each prompt.", "row 3: the name 'x' is used twice",
                                    "row 1: the name 'a/b' is not a plain file name",
                                    "row 2: the prompt 'n' has no text"}));
    EXPECT_EQ(played, (std::vector<std::string>{"Good\nbye|German|8000"}));
    const SpokenPromptsRequest r = dlg.request();
    ASSERT_EQ(r.prompts.size(), 1u);
    EXPECT_EQ(std::make_tuple(r.prompts[0].name, r.prompts[0].text), std::make_tuple("bye", "Good bye"));
    EXPECT_EQ(std::make_tuple(r.voice, r.rate, r.folder, r.load), std::make_tuple("German", 8000, dir.path(), true));
}
