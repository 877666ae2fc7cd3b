#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "common/TestFiles.h"
#include "gui/CKR_AppDlg.h"
#include "gui/FileDialogFilter.h"

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

namespace {

// While alive, answers each modal window of type Window that shows.
template <typename Window> class Answer {
public:
    explicit Answer(std::function<void(Window*)> answer)
    {
        QObject::connect(&timer_, &QTimer::timeout, [answer] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            if (window && window->isVisible())
                answer(window);
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

}  // namespace

TEST(PortDialogs, SaveDialogAddsTheExtensionAndLeavesTheReplaceQuestionToTheSession)
{
    ScratchDir dir;
    WriteBytes(dir.file("X.winproj"), {1});
    CKR_AppDlg window(dir.path() + "/");

    const FileChoice save{FileChoice::Kind::Save, "Project Files(*.winproj)|*.winproj||", "winproj", dir.path()};
    const auto chooseTyping = [&](const QString& typed) {
        const Answer<QFileDialog> name([typed](QFileDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            edit->setText(typed);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        return window.ChooseFile(save);
    };
    bool askedByQt = false;
    {
        // Qt's own question would open over the file dialog.
        const Answer<QMessageBox> replace([&](QMessageBox* box) {
            askedByQt = true;
            box->button(QMessageBox::Yes)->click();
        });
        EXPECT_EQ(chooseTyping("X.winproj"), dir.file("X.winproj"));
    }
    EXPECT_FALSE(askedByQt);

    QString question;
    const Answer<QMessageBox> no([&](QMessageBox* box) {
        question = box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(window.ConfirmReplace(dir.file("X.winproj")));
    EXPECT_EQ(question, "X.winproj already exists.\nDo you want to replace it?");
}

// Escape in any of the window's questions chooses nothing, however the
// dialog codes its ending; Enter in the confirmation confirms.
TEST(PortDialogs, EscapeChoosesNothing)
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
    const Answer<QDialog> escape(press(Qt::Key_Escape));
    EXPECT_FALSE(window.Confirm());
    EXPECT_FALSE(window.ConfirmLeaveUnsaved());
    EXPECT_FALSE(window.ChooseFile({FileChoice::Kind::Open, "All Files(*)|*||", "", dir.path()}));
    EXPECT_FALSE(window.ChooseFiles("All Files(*)|*||"));
    EXPECT_FALSE(window.ChooseLibrarySound(library));
    EXPECT_FALSE(window.ChooseSilenceLength(0));
    EXPECT_FALSE(window.ChooseSamplingRate(22000));
    EXPECT_FALSE(window.ChoosePreparation(true));
    EXPECT_FALSE(window.ChooseSpokenPrompts(true, {}));
}
