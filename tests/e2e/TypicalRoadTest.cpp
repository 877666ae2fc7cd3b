// The road a user takes from an empty start to a written flash, through the
// real main window under a real X server: keys and clicks on the window,
// the real mouse for the drag, and the download tool's own window.

#include <signal.h>
#include <memory>
#include <set>

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include "UserActions.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"
#include "dialogs/CEquationSetupDlg.h"
#include "dialogs/CKeySetupDlg.h"
#include "dialogs/COptionsDlg.h"
#include "gui/CKR_AppDlg.h"
#include "gui/CListCtrl_Playlist.h"
#include "gui/CListCtrl_Snd_Lib.h"

namespace {

using Rows = std::vector<QStringList>;

const QString kCaption = QStringLiteral("KR615B DadezEvur V1.0");
constexpr int kBinBytes = 262144;

QString Q(const std::string& s) { return QString::fromStdString(s); }

Rows RowsOf(const QAbstractItemView& view)
{
    const QAbstractItemModel& model = *view.model();
    Rows rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row << model.index(r, c).data().toString();
        rows.push_back(row);
    }
    return rows;
}

// The control a dialog's label names (its buddy).
QWidget* LabelledControl(QWidget* dialog, const QString& label)
{
    for (QLabel* l : dialog->findChildren<QLabel*>()) {
        if (l->text() == label)
            return l->buddy();
    }
    return nullptr;
}

QAbstractButton* ButtonNamed(QWidget* window, const QString& text)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

// Near the left edge: radio buttons take clicks on their circle and text.
void ClickButton(QAbstractButton* button)
{
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void ClickOk(QWidget* dialog) { ClickButton(ButtonNamed(dialog, QStringLiteral("OK"))); }

class TypicalRoad : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "needs an X server: run it under xvfb-run";
    }

    // The program as it starts: its main window, shown.
    void startProgram()
    {
        window_ = std::make_unique<CKR_AppDlg>(ProgramDir());
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    CKR_AppDlg& window() { return *window_; }
    CListCtrl_Snd_Lib& library() { return *window_->findChild<CListCtrl_Snd_Lib*>(); }
    CListCtrl_Playlist& playlist() { return *window_->findChild<CListCtrl_Playlist*>(); }
    // A key pressed on the main window. No window manager runs on the test's
    // X server to give the window the keys back when a dialog goes: the
    // user's click on it does.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window_.get(); }, 5000))
            << "the main window did not come back to the front";
        QTest::keyClick(window_.get(), key, modifiers);
    }

    // The ids of the greyed menu items.
    std::set<int> greyedCommands() const
    {
        std::set<int> ids;
        for (QAction* title : window_->menuBar()->actions()) {
            for (QAction* item : title->menu()->actions()) {
                if (!item->isSeparator() && !item->isEnabled())
                    ids.insert(item->data().toInt());
            }
        }
        return ids;
    }

    // The status bar's first two texts: playing time, flash used.
    QStringList flashUsage() const
    {
        QStringList texts;
        for (QLabel* pane : window_->findChild<QStatusBar*>()->findChildren<QLabel*>())
            texts << pane->text();
        return texts.mid(0, 2);
    }

    std::vector<int> checkedModes() const
    {
        std::vector<int> ids;
        for (CommandId id : {ID_MODE_MP3, ID_MODE_KEY, ID_MODE_ONE_LINE, ID_MODE_THREE_LINES, ID_MODE_PARALLEL_PORT,
                             ID_MODE_MATRIX}) {
            if (window_->action(id)->isChecked())
                ids.push_back(id);
        }
        return ids;
    }

    const StuckWindowGuard guard_;
    const ScratchDir sounds_;
    const ScratchDir projects_;
    const ScratchDir config_;
    const std::string projectFolder_ = projects_.file("Song.winproj");
    const std::string projectFile_ = projectFolder_ + "/Song.winproj";
    const std::string binFile_ = projectFile_ + ".bin";
    std::unique_ptr<CKR_AppDlg> window_;

    const Rows libraryRows_ = {
        {"001", "tone8000.wav", "8000 Hz", "16 Bit", "MONO", "500 ms"},
        {"002", "tone16000.wav", "16000 Hz", "16 Bit", "MONO", "250 ms"},
        {"003", "tone22000.wav", "22000 Hz", "16 Bit", "MONO", "400 ms"},
    };
    // 1150 ms of sound; the fixed part, the estimated voice data of the
    // three sounds and 507 silence slots make 3.42 % of 32 megabits.
    const QStringList loadedUsage_ = {"1150 msec. total", "3.42 % flash used"};
    const Rows equationRows_ = {
        {"001", "SOUND", "tone8000.wav"},
        {"002", "SILENCE", "100 ms"},
        {"003", "SOUND", "tone22000.wav"},
    };

    void step1NoProject()
    {
        ASSERT_NO_FATAL_FAILURE(startProgram());
        EXPECT_EQ(window().windowTitle(), kCaption);
        const std::set<int> greyed = {
            ID_FILE_SAVE_AS,     ID_FILE_CLOSE,          ID_FILE_LOAD_EXTERNAL_BIN, ID_FILE_CONVERT,
            ID_VIEW_BACKGROUND_MUSIC, ID_MODE_MP3,       ID_MODE_KEY,               ID_MODE_ONE_LINE,
            ID_MODE_THREE_LINES, ID_MODE_PARALLEL_PORT,  ID_MODE_MATRIX,            ID_OPERATION_COMPILE,
            ID_OPERATION_OPTIONS, ID_OPERATION_KEY_SETUP, ID_OPERATION_EQUATION_SETUP, ID_OPERATION_STOP,
            ID_TOOL_FIRMWARE_HEADER,
        };
        EXPECT_EQ(greyedCommands(), greyed);
        SaveScreenshot(QStringLiteral("step1-no-project"));
    }

    void step2NewProject()
    {
        Answer<QFileDialog> name(
            [this](QFileDialog* d) { ChooseInFileDialog(d, Q(projects_.path()), QStringLiteral("Song")); });
        press(Qt::Key_F2);
        ASSERT_TRUE(name.answered());

        EXPECT_TRUE(QFileInfo(Q(projectFolder_)).isDir());
        EXPECT_TRUE(QFileInfo(Q(projectFolder_ + "/Song.winproj.sound")).isDir());
        EXPECT_EQ(QFileInfo(Q(projectFile_)).size(), 1144);
        EXPECT_EQ(window().windowTitle(), "Song.winproj - " + kCaption);
        // Key mode, which has no background music.
        EXPECT_EQ(greyedCommands(), (std::set<int>{ID_VIEW_BACKGROUND_MUSIC, ID_OPERATION_STOP}));
        EXPECT_EQ(checkedModes(), std::vector<int>{ID_MODE_KEY});
        EXPECT_EQ(flashUsage(), QStringList({"0 msec. total", "3.17 % flash used"}));
        SaveScreenshot(QStringLiteral("step2-new-project"));
    }

    void step3LoadSounds()
    {
        WriteTestWav(sounds_.file("tone8000.wav"), 8000, 1, 16, 0.5);
        WriteTestWav(sounds_.file("tone16000.wav"), 16000, 1, 16, 0.25);
        WriteTestWav(sounds_.file("tone22000.wav"), 22000, 1, 16, 0.4);

        Answer<QMenu> menu([](QMenu* m) { ClickMenuItem(m, QStringLiteral("&Load")); });
        Answer<QFileDialog> files([this](QFileDialog* d) {
            ChooseInFileDialog(d, Q(sounds_.path()),
                               QStringLiteral("\"tone8000.wav\" \"tone16000.wav\" \"tone22000.wav\""));
        });
        RightClick(library().viewport(), library().viewport()->rect().center());
        ASSERT_TRUE(menu.answered());
        ASSERT_TRUE(files.answered());

        EXPECT_EQ(RowsOf(library()), libraryRows_);
        for (const char* name : {"tone8000.wav", "tone16000.wav", "tone22000.wav"})
            EXPECT_TRUE(QFileInfo::exists(Q(projectFolder_ + "/Song.winproj.sound/" + name))) << name;
        EXPECT_EQ(flashUsage(), loadedUsage_);
        SaveScreenshot(QStringLiteral("step3-library"));
    }

    void step4BuildEquation()
    {
        DoubleClickRow(library(), 0);
        ASSERT_EQ(playlist().model()->rowCount(), 1);

        // The third sound dragged over with the real mouse.
        QProcess drag;
        StartMouseDrag(drag, library().viewport()->mapToGlobal(RowCentre(library(), 2)),
                       playlist().viewport()->mapToGlobal(playlist().viewport()->rect().center()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return playlist().model()->rowCount() == 2; }, 15000))
            << "the drop did not reach the playlist";
        EXPECT_TRUE(QTest::qWaitFor([&] { return drag.state() == QProcess::NotRunning; }, 10000));
        ASSERT_EQ(playlist().model()->rowCount(), 2);

        ClickRow(playlist(), 1);
        Answer<QMenu> menu([](QMenu* m) {
            const QAction* item = MenuItem(m, QStringLiteral("&Insert"));
            ASSERT_TRUE(item && item->menu());
            QMenu* insert = item->menu();
            ClickMenuItem(m, QStringLiteral("&Insert"));
            ASSERT_TRUE(QTest::qWaitFor([insert] { return insert->isVisible(); }, 5000));
            ClickMenuItem(insert, QStringLiteral("100ms"));
        });
        RightClick(playlist().viewport(), RowCentre(playlist(), 1));
        ASSERT_TRUE(menu.answered());

        EXPECT_EQ(RowsOf(playlist()), equationRows_);
        // The insert rebuilt the view: no row stays selected, so a next insert
        // would go to the end.
        EXPECT_FALSE(playlist().selectionModel()->hasSelection());
        EXPECT_EQ(flashUsage(), loadedUsage_);
        SaveScreenshot(QStringLiteral("step4-equation"));
    }

    void step5Setup()
    {
        {
            Answer<CKeySetupDlg> keys([](CKeySetupDlg* d) {
                auto* key2 = qobject_cast<QComboBox*>(LabelledControl(d, QStringLiteral("Key 2")));
                ASSERT_TRUE(key2);
                QTest::keyClick(key2, Qt::Key_End);  // "Stop"
                SaveScreenshot(QStringLiteral("step5-key-setup"));
                ClickOk(d);
            });
            ChooseFromMenuBar(window(), QStringLiteral("&Operation"), QStringLiteral("&Key Setup"));
            ASSERT_TRUE(keys.answered());
        }
        {
            Answer<CEquationSetupDlg> equations([](CEquationSetupDlg* d) {
                auto* key3 = d->findChild<QLineEdit*>(QStringLiteral("key3"));
                ASSERT_TRUE(key3);
                QTest::mouseClick(key3, Qt::LeftButton);
                QTest::keyClick(key3, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(key3, QStringLiteral("17"));
                SaveScreenshot(QStringLiteral("step5-equation-setup"));
                ClickOk(d);
            });
            ChooseFromMenuBar(window(), QStringLiteral("&Operation"), QStringLiteral("&Equation Setup"));
            ASSERT_TRUE(equations.answered());
        }
        const auto chooseMode = [this](const QString& mode) {
            Answer<COptionsDlg> options([mode](COptionsDlg* d) {
                ClickButton(ButtonNamed(d, mode));
                ClickOk(d);
            });
            ChooseFromMenuBar(window(), QStringLiteral("&Operation"), QStringLiteral("&Options"));
            EXPECT_TRUE(options.answered());
        };
        chooseMode(QStringLiteral("One Line Mode"));
        EXPECT_EQ(checkedModes(), std::vector<int>{ID_MODE_ONE_LINE});
        chooseMode(QStringLiteral("Key Mode"));
        EXPECT_EQ(checkedModes(), std::vector<int>{ID_MODE_KEY});
        SaveScreenshot(QStringLiteral("step5-setup-done"));
    }

    void step6Compile()
    {
        QString said;
        Answer<QMessageBox> saved([&said](QMessageBox* box) {
            said = box->text();
            SaveScreenshot(QStringLiteral("step6-compiled"));
            ClickButton(box->button(QMessageBox::Ok));
        });
        press(Qt::Key_F4);
        ASSERT_TRUE(saved.answered());
        EXPECT_EQ(said, QStringLiteral("BIN File Saved!\nSize: %1 bytes").arg(kBinBytes));

        const std::vector<uint8_t> bin = ReadBytes(binFile_);
        ASSERT_EQ(bin.size(), size_t(kBinBytes));
        EXPECT_EQ(bin[2], 5);  // Key mode
        // Keys 1 to 10: function, equation. Key 2 stops, key 3 starts equation 17.
        const std::vector<uint8_t> keys(bin.begin() + 8, bin.begin() + 28);
        EXPECT_EQ(keys, std::vector<uint8_t>({1, 0, 14, 1, 1, 17, 1, 3, 1, 4, 1, 5, 1, 6, 1, 7, 1, 8, 1, 9}));
        // Equation 0: sound 0, 100 ms of silence, sound 2, then unused.
        const std::vector<uint8_t> tokens(bin.begin() + 0x130, bin.begin() + 0x130 + 10);
        EXPECT_EQ(tokens, std::vector<uint8_t>({0x44, 0, 0, 0x80, 100, 0x44, 0, 2, 0xFF, 0xFF}));
    }

    void step7Download()
    {
        // The download tool, started by the program, writes to flashrom's
        // emulated chip of the BIN's size.
        const std::string chipImage = config_.file("chip.img");
        {
            QSettings settings(Q(config_.file("KR615B/Quick.Loader.A3.conf")), QSettings::IniFormat);
            const QString chip = QStringLiteral("dummy:emulate=VARIABLE_SIZE,size=%1,image=%2");
            settings.setValue(QStringLiteral("programmer"), chip.arg(kBinBytes).arg(Q(chipImage)));
        }
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Q(config_.path())));
        press(Qt::Key_F5);

        QString windows;
        ASSERT_TRUE(Xdotool({"search", "--sync", "--onlyvisible", "--name", "^Quick\\.Loader\\.A3 - "}, &windows, 30000))
            << "the download tool's window did not come up";
        const QString tool = windows.split('\n').first();
        ASSERT_TRUE(Xdotool({"windowfocus", "--sync", tool}));
        ASSERT_TRUE(Xdotool({"key", "Return"}));  // Write

        const std::vector<uint8_t> bin = ReadBytes(binFile_);
        const bool written = QTest::qWaitFor([&] { return ReadBytes(chipImage) == bin; }, 60000);
        SaveScreenshot(QStringLiteral("step7-download"));
        EXPECT_TRUE(written) << "the emulated chip does not hold the BIN";

        QString pid;
        ASSERT_TRUE(Xdotool({"getwindowpid", tool}, &pid));
        ASSERT_GT(pid.toInt(), 0);
        ::kill(pid.toInt(), SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Xdotool({"search", "--name", "^Quick\\.Loader\\.A3 - "}); }, 10000));
    }

    void step8ExitAndOpen()
    {
        press(Qt::Key_E, Qt::ControlModifier);
        EXPECT_FALSE(window().isVisible());
        window_.reset();

        // The saved records as the command-line tool lists them.
        std::string shown;
        ASSERT_EQ(RunProgram("kr615b", {"show", "--json", projectFile_}, &shown), 0);
        const QJsonObject saved = QJsonDocument::fromJson(QByteArray::fromStdString(shown)).object();
        EXPECT_EQ(saved["library"].toArray().size(), 3);
        EXPECT_EQ(saved["library"].toArray()[2].toObject()["name"].toString(), "tone22000.wav");
        EXPECT_EQ(saved["equations"].toArray()[0].toArray().size(), 3);

        ASSERT_NO_FATAL_FAILURE(startProgram());
        Answer<QFileDialog> name(
            [this](QFileDialog* d) { ChooseInFileDialog(d, Q(projectFolder_), QStringLiteral("Song.winproj")); });
        press(Qt::Key_F3);
        ASSERT_TRUE(name.answered());
        EXPECT_EQ(window().windowTitle(), "Song.winproj - " + kCaption);
        EXPECT_EQ(RowsOf(library()), libraryRows_);
        EXPECT_EQ(RowsOf(playlist()), equationRows_);
        EXPECT_EQ(flashUsage(), loadedUsage_);
        EXPECT_EQ(checkedModes(), std::vector<int>{ID_MODE_KEY});

        // Key Setup shows what was saved (the key 3 equation is in the BIN);
        // left with Cancel, the one way through the window's own Cancel handling.
        QString key2;
        Answer<CKeySetupDlg> keys([&key2](CKeySetupDlg* d) {
            if (auto* list = qobject_cast<QComboBox*>(LabelledControl(d, QStringLiteral("Key 2"))))
                key2 = list->currentText();
            ClickButton(ButtonNamed(d, QStringLiteral("Cancel")));
        });
        ChooseFromMenuBar(window(), QStringLiteral("&Operation"), QStringLiteral("&Key Setup"));
        EXPECT_EQ(key2, "Stop");
        SaveScreenshot(QStringLiteral("step8-reopened"));
        press(Qt::Key_E, Qt::ControlModifier);
    }
};

}  // namespace

TEST_F(TypicalRoad, FromAnEmptyStartToAWrittenFlashAndBack)
{
    ASSERT_NO_FATAL_FAILURE(step1NoProject());
    ASSERT_NO_FATAL_FAILURE(step2NewProject());
    ASSERT_NO_FATAL_FAILURE(step3LoadSounds());
    ASSERT_NO_FATAL_FAILURE(step4BuildEquation());
    ASSERT_NO_FATAL_FAILURE(step5Setup());
    ASSERT_NO_FATAL_FAILURE(step6Compile());
    ASSERT_NO_FATAL_FAILURE(step7Download());
    ASSERT_NO_FATAL_FAILURE(step8ExitAndOpen());
}
