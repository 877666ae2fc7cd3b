#include <QDir>
#include <QFile>
#include <QTableWidget>

#include "common/TestFiles.h"
#include "dialogs/CSpokenPromptsDlg.h"
#include "dialogs/DialogMessage.h"
#include "gui/CKR_AppDlg.h"
#include "gui/FileDialogFilter.h"
#include "widgetmain/WidgetDriver.h"

// Qt reads the patterns from the last parentheses, which must hold them
// separated by blanks. A dot in a folder's name is not the file's extension.
TEST(FileDialogFilter, GivesQtThePatternsAndAddsTheExtensionOnlyToANameWithoutOne)
{
    EXPECT_EQ(QtFileFilter("Project Files(*.winproj)|*.winproj||"), "Project Files(*.winproj)");
    EXPECT_EQ(QtFileFilter("Sound Files(*.wav,*.mp3,*.wma)|*.wav;*.mp3;*.wma|WAV Files(*.wav)|*.wav||"),
              "Sound Files(*.wav,*.mp3,*.wma) (*.wav *.mp3 *.wma);;WAV Files(*.wav)");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"/d/X", "winproj", "/d/X.winproj"},   {"/d/X", ".wav", "/d/X.wav"},
        {"/d/X.winproj", "winproj", "/d/X.winproj"}, {"/d/song.v2", "wav", "/d/song.v2"},
        {"/d/p.winproj/X", "winproj", "/d/p.winproj/X.winproj"}, {"/d/X", "", "/d/X"},
    };
    for (const auto& [name, extension, result] : cases)
        EXPECT_EQ(WithDefaultExtension(name, extension), result) << name << " " << extension;
}

TEST(PortDialogs, SaveDialogLeavesTheReplaceQuestionToTheSession)
{
    ScratchDir dir;
    WriteBytes(dir.file("X.winproj"), {1});
    CKR_AppDlg window(dir.path() + "/");
    {
        // Qt's own question would open over the file dialog.
        const Answer<QMessageBox> askedByQt([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        const Answer<QFileDialog> name(ChooseFile(Q(dir.path()), "X.winproj"));
        const FileChoice save{FileChoice::Kind::Save, "Project Files(*.winproj)|*.winproj||", "winproj", dir.path()};
        EXPECT_EQ(window.ChooseFile(save), dir.file("X.winproj"));
        EXPECT_EQ(askedByQt.answered(), 0);
    }

    QString question;
    const Answer<QMessageBox> no([&](QMessageBox* box) {
        question = box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(window.ConfirmReplace(dir.file("X.winproj")));
    EXPECT_EQ(question, "X.winproj already exists.\nDo you want to replace it?");
}

// Escape in any of the window's questions chooses nothing, however the
// dialog codes its ending; Enter in the confirmation confirms. Each menu item
// that asks something opens its own dialog.
TEST(PortDialogs, EscapeChoosesNothingAndEachMenuItemOpensItsDialog)
{
    ScratchDir dir;
    CKR_AppDlg window(dir.path() + "/");
    CSoundList library;
    library.append({CSound::kSoundFile, "", "a.wav", 8000});
    const auto press = [](Qt::Key key) {
        return [key](QDialog* d) { QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, key); };
    };
    {
        const Answer<QDialog> enter(press(Qt::Key_Return));
        EXPECT_TRUE(window.Confirm());
    }
    {
        // Only Cancel drops the setup dialogs' picks; Escape keeps them.
        const Answer<QDialog> cancel([](QDialog* d) { ButtonNamed(d, "Cancel")->click(); });
        EXPECT_FALSE(window.EditOptions(COptions()));
        EXPECT_FALSE(window.EditKeys(CKey(), kKeyMode));
        EXPECT_FALSE(window.EditEquations(CEquation(), kKeyMode));
    }
    QString opened;
    const Answer<QDialog> escape([&](QDialog* d) {
        opened = d->metaObject()->className();
        press(Qt::Key_Escape)(d);
    });
    EXPECT_FALSE(window.Confirm());
    EXPECT_FALSE(window.ConfirmLeaveUnsaved());
    EXPECT_FALSE(window.ChooseFile({FileChoice::Kind::Open, "All Files(*)|*||", "", dir.path()}));
    EXPECT_FALSE(window.ChooseFiles("All Files(*)|*||"));
    EXPECT_FALSE(window.ChooseLibrarySound(library));
    EXPECT_FALSE(window.ChooseSilenceLength(0));
    EXPECT_FALSE(window.ChooseSamplingRate(22000));
    EXPECT_FALSE(window.ChoosePreparation(true));
    EXPECT_FALSE(window.ChooseSpokenPrompts(true, {}));
    EXPECT_TRUE(window.EditOptions(COptions()));
    EXPECT_TRUE(window.EditKeys(CKey(), kKeyMode));
    EXPECT_TRUE(window.EditEquations(CEquation(), kKeyMode));

    const std::pair<CommandId, QString> items[] = {
        {ID_FILE_NEW, "QFileDialog"},         {ID_FILE_OPEN, "QFileDialog"},
        {ID_TOOL_RECOVER_PROJECT, "QFileDialog"}, {ID_TOOL_PREPARE_SOUNDS, "CPrepareSoundsDlg"},
        {ID_TOOL_SPOKEN_PROMPTS, "CSpokenPromptsDlg"}, {ID_HELP_ABOUT, "CAboutDlg"}};
    for (const auto& [id, dialog] : items) {
        opened.clear();
        window.action(id)->trigger();
        EXPECT_EQ(opened, dialog) << id;
    }
}

TEST(PortDialogs, MessagesShowTheirCaptionAndIcon)
{
    ScratchDir dir;
    CKR_AppDlg window(dir.path() + "/");
    const std::tuple<Caption, MessageIcon, QString, QMessageBox::Icon> kinds[] = {
        {Caption::Product, MessageIcon::None, "KR615B DadezEvur V1.0", QMessageBox::NoIcon},
        {Caption::ApplicationName, MessageIcon::Information, ApplicationNameCaption(), QMessageBox::Information},
        {Caption::Error, MessageIcon::Warning, "Error", QMessageBox::Warning},
        {Caption::Error, MessageIcon::Error, "Error", QMessageBox::Critical}};
    for (const auto& [caption, icon, title, boxIcon] : kinds) {
        std::pair<QString, QMessageBox::Icon> shown;
        const Answer<QMessageBox> read([&](QMessageBox* box) {
            shown = {box->windowTitle(), box->icon()};
            box->accept();
        });
        window.ShowMessage({"text", caption, icon});
        EXPECT_EQ(shown, std::make_pair(title, boxIcon));
    }
    // A document that is not a regular file is reported as failed, not opened.
    bool failed = false;
    window.OpenDocument(dir.path(), [&] { failed = true; });
    EXPECT_TRUE(failed);
}

// Spoken Prompts from the Tool menu: Play speaks a row into a listening file
// that goes with the window; OK writes NAME.wav of each row, at the chosen
// rate, into the folder.
TEST(PortDialogs, SpokenPromptsPlaysARowAndWritesEachRow)
{
    ScratchDir dir;
    const QString played = QDir::tempPath() + QString("/kr615b-prompt-%1.wav").arg(QCoreApplication::applicationPid());
    const MessageCatcher catcher;
    const Answer<CSpokenPromptsDlg> fill([&](CSpokenPromptsDlg* d) {
        auto* table = d->findChild<QTableWidget*>();
        table->item(0, 0)->setText("hello");
        table->item(0, 1)->setText("Hello there");
        d->findChild<QLineEdit*>()->setText(Q(dir.file("out")));
        qobject_cast<QAbstractButton*>(table->cellWidget(0, 2))->click();
        EXPECT_TRUE(QFile::exists(played));
        ButtonNamed(d, "OK")->click();
    });
    CKR_AppDlg(dir.path() + "/").action(ID_TOOL_SPOKEN_PROMPTS)->trigger();
    EXPECT_EQ(catcher.texts, std::vector<QString>{});
    EXPECT_FALSE(QFile::exists(played));
    const std::vector<uint8_t> wav = ReadBytes(dir.file("out/hello.wav"));
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav[24] | wav[25] << 8, 8000);
}
