// The road a user takes from an empty start to a written flash, through the
// real main window under a real X server: keys and clicks on the window,
// the real mouse (xdotool) for the drag, and the download tool's own window.

#include <signal.h>
#include <memory>
#include <set>

#include <QComboBox>
#include <QDir>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include "common/TestFiles.h"
#include "common/TestSound.h"
#include "dialogs/CEquationSetupDlg.h"
#include "dialogs/CKeySetupDlg.h"
#include "dialogs/COptionsDlg.h"
#include "gui/CKR_AppDlg.h"
#include "gui/CListCtrl_Playlist.h"
#include "gui/CListCtrl_Snd_Lib.h"
#include "widgetmain/WidgetDriver.h"

namespace {

const QString kCaption = QStringLiteral("KR615B DadezEvur V1.0");
const QString kToolWindow = QStringLiteral("^Quick\\.Loader\\.A3 - ");
constexpr int kBinBytes = 262144;

// A view's rows, each with its cells separated by "|".
QStringList RowsOf(const QAbstractItemView& view)
{
    QStringList rows(view.model()->rowCount());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < view.model()->columnCount(); ++c)
            rows[r] += (c ? "|" : "") + view.model()->index(r, c).data().toString();
    return rows;
}

// Clicks the item of `menu` with this text (mnemonic included); returns the
// item's sub-menu, if it has one.
QMenu* ClickMenuItem(QMenu* menu, const QString& text)
{
    for (QAction* item : menu->actions()) {
        if (item->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return item->menu();
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
    menu->close();
    return nullptr;
}

// A right click through the widget's window, so that Qt makes the context
// menu as of a real click.
void RightClick(QWidget* widget, QPoint at)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, widget->mapTo(top, at));
}

// Answers a file dialog as a user types into its name field: the folder
// first, then, over what the field holds, the name or the quoted names.
void TypeInFileDialog(QFileDialog* dialog, const QString& folder, const QString& names)
{
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }, 5000)) << "the name field never took the keys";
    // A whole path typed at once may end as what the list had selected
    // while it was typed; a folder with its separator is always entered.
    QTest::keyClicks(field, folder + QLatin1Char('/'));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->directory().absolutePath() == folder; }, 5000))
        << "the file dialog did not enter " << folder.toStdString() << "; its name field holds "
        << field->text().toStdString();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, names);
    QTest::keyClick(field, Qt::Key_Return);
}

// Runs xdotool, keeping the event loop going, for at most `timeoutMs`; false
// when it failed or did not end in time.
bool Xdotool(const QStringList& arguments, QString* output = nullptr, int timeoutMs = 20000)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Drags with the real mouse as a hand does: the button held, past the drag
// distance first, then over to the target in steps, resting on it before the
// release. Returns at once: xdotool runs in `process` while the caller keeps
// the event loop going.
void StartMouseDrag(QProcess& process, QPoint from, QPoint to)
{
    const auto moveTo = [](QPoint p, const char* pause) {
        return QStringList{"mousemove", QString::number(p.x()), QString::number(p.y()), "sleep", pause};
    };
    QStringList steps = moveTo(from, "0.2") + QStringList{"mousedown", "1", "sleep", "0.2"};
    steps += moveTo(from + QPoint(12, 12), "0.05");
    for (int i = 1; i <= 6; ++i)
        steps += moveTo(from + (to - from) * i / 6, i < 6 ? "0.05" : "0.1");
    steps += moveTo(to + QPoint(2, 2), "0.2") + QStringList{"mouseup", "1"};
    process.start(QStringLiteral("xdotool"), steps);
}

// Saves a picture of the whole screen as KR_SHOT_DIR/name.png.
void SaveScreenshot(const QString& name)
{
    QDir().mkpath(QStringLiteral(KR_SHOT_DIR));
    QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral(KR_SHOT_DIR) + name + ".png");
}

class TypicalRoad : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "needs an X server: run it through ctest";
        // A dialog or menu left up for 15 s fails the test and is closed, so
        // that a road that went wrong ends instead of waiting for ever.
        QObject::connect(&guard_, &QTimer::timeout, [seen = static_cast<QWidget*>(nullptr), ticks = 0]() mutable {
            QWidget* top = QApplication::activePopupWidget();
            top = top ? top : QApplication::activeModalWidget();
            ticks = top && top == seen ? ticks + 1 : 0;
            seen = top;
            if (ticks < 150)
                return;
            ADD_FAILURE() << "left open: " << top->metaObject()->className() << " " << top->windowTitle().toStdString();
            seen = nullptr;
            top->close();
        });
        guard_.start(100);
    }

    // The program as it starts: its main window, shown.
    void startProgram()
    {
        window_ = std::make_unique<CKR_AppDlg>(ProgramDir());
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

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

    // A click on the Operation menu's title, then on its item.
    void chooseOperation(const QString& item)
    {
        QMenuBar* bar = window_->menuBar();
        QAction* title = bar->actions().at(int(Menu::Operation));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
        ASSERT_TRUE(QTest::qWaitFor([title] { return title->menu()->isVisible(); }, 5000)) << "no menu came up";
        ClickMenuItem(title->menu(), item);
    }

    // The ids of the greyed menu items.
    std::set<int> greyedCommands() const
    {
        std::set<int> ids;
        for (QAction* title : window_->menuBar()->actions())
            for (QAction* item : title->menu()->actions())
                if (!item->isSeparator() && !item->isEnabled())
                    ids.insert(item->data().toInt());
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
        for (QAction* item : window_->menuBar()->actions().at(int(Menu::Mode))->menu()->actions())
            if (item->isChecked())
                ids.push_back(item->data().toInt());
        return ids;
    }

    QTimer guard_;
    const ScratchDir sounds_, projects_, config_;
    const std::string projectFolder_ = projects_.file("Song.winproj");
    const std::string projectFile_ = projectFolder_ + "/Song.winproj";
    std::unique_ptr<CKR_AppDlg> window_;

    const QStringList libraryRows_ = {"001|tone8000.wav|8000 Hz|16 Bit|MONO|500 ms",
                                      "002|tone16000.wav|16000 Hz|16 Bit|MONO|250 ms",
                                      "003|tone22000.wav|22000 Hz|16 Bit|MONO|400 ms"};
    // 1150 ms of sound; the fixed part, the estimated voice data of the
    // three sounds and 507 silence slots make 3.42 % of 32 megabits.
    const QStringList loadedUsage_ = {"1150 msec. total", "3.42 % flash used"};
    const QStringList equationRows_ = {"001|SOUND|tone8000.wav", "002|SILENCE|100 ms", "003|SOUND|tone22000.wav"};
};

}  // namespace

TEST_F(TypicalRoad, FromAnEmptyStartToAWrittenFlashAndBack)
{
    // No project: the commands that need one are greyed.
    ASSERT_NO_FATAL_FAILURE(startProgram());
    EXPECT_EQ(window_->windowTitle(), kCaption);
    EXPECT_EQ(greyedCommands(),
              (std::set<int>{ID_FILE_SAVE_AS, ID_FILE_CLOSE, ID_FILE_LOAD_EXTERNAL_BIN, ID_FILE_CONVERT,
                             ID_VIEW_BACKGROUND_MUSIC, ID_MODE_MP3, ID_MODE_KEY, ID_MODE_ONE_LINE, ID_MODE_THREE_LINES,
                             ID_MODE_PARALLEL_PORT, ID_MODE_MATRIX, ID_OPERATION_COMPILE, ID_OPERATION_OPTIONS,
                             ID_OPERATION_KEY_SETUP, ID_OPERATION_EQUATION_SETUP, ID_OPERATION_STOP,
                             ID_TOOL_FIRMWARE_HEADER}));
    SaveScreenshot("step1-no-project");

    // F2: a new project, named in the file dialog, in Key mode, which has no
    // background music.
    const Answer<QFileDialog> newName([&](QFileDialog* d) { TypeInFileDialog(d, Q(projects_.path()), "Song"); }, 1);
    press(Qt::Key_F2);
    ASSERT_TRUE(newName.answered());
    EXPECT_TRUE(QFileInfo(Q(projectFolder_ + "/Song.winproj.sound")).isDir());
    EXPECT_EQ(QFileInfo(Q(projectFile_)).size(), 1144);
    EXPECT_EQ(window_->windowTitle(), "Song.winproj - " + kCaption);
    EXPECT_EQ(greyedCommands(), (std::set<int>{ID_VIEW_BACKGROUND_MUSIC, ID_OPERATION_STOP}));
    EXPECT_EQ(checkedModes(), std::vector<int>{ID_MODE_KEY});
    EXPECT_EQ(flashUsage(), QStringList({"0 msec. total", "3.17 % flash used"}));
    SaveScreenshot("step2-new-project");

    // Three sounds loaded through the library's context menu.
    WriteTestWav(sounds_.file("tone8000.wav"), 8000, 1, 16, 0.5);
    WriteTestWav(sounds_.file("tone16000.wav"), 16000, 1, 16, 0.25);
    WriteTestWav(sounds_.file("tone22000.wav"), 22000, 1, 16, 0.4);
    const Answer<QMenu> load([](QMenu* m) { ClickMenuItem(m, "&Load"); }, 1);
    const Answer<QFileDialog> files([&](QFileDialog* d) {
        TypeInFileDialog(d, Q(sounds_.path()), "\"tone8000.wav\" \"tone16000.wav\" \"tone22000.wav\"");
    }, 1);
    RightClick(library().viewport(), library().viewport()->rect().center());
    ASSERT_TRUE(load.answered() && files.answered());
    EXPECT_EQ(RowsOf(library()), libraryRows_);
    for (const char* name : {"tone8000.wav", "tone16000.wav", "tone22000.wav"})
        EXPECT_TRUE(QFileInfo::exists(Q(projectFolder_ + "/Song.winproj.sound/" + name))) << name;
    EXPECT_EQ(flashUsage(), loadedUsage_);
    SaveScreenshot("step3-library");

    // The equation: the first sound double-clicked, the third dragged over
    // with the real mouse, 100 ms of silence inserted before it.
    DoubleClick(library().viewport(), RowCentre(library(), 0));
    ASSERT_EQ(playlist().model()->rowCount(), 1);
    QProcess drag;
    StartMouseDrag(drag, library().viewport()->mapToGlobal(RowCentre(library(), 2)),
                   playlist().viewport()->mapToGlobal(playlist().viewport()->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return playlist().model()->rowCount() == 2; }, 15000))
        << "the drop did not reach the playlist";
    EXPECT_TRUE(QTest::qWaitFor([&] { return drag.state() == QProcess::NotRunning; }, 10000));
    ASSERT_EQ(playlist().model()->rowCount(), 2);
    QTest::mouseClick(playlist().viewport(), Qt::LeftButton, {}, RowCentre(playlist(), 1));
    const Answer<QMenu> insert([](QMenu* m) {
        QMenu* lengths = ClickMenuItem(m, "&Insert");
        ASSERT_TRUE(lengths && QTest::qWaitFor([lengths] { return lengths->isVisible(); }, 5000));
        ClickMenuItem(lengths, "100ms");
    }, 1);
    RightClick(playlist().viewport(), RowCentre(playlist(), 1));
    ASSERT_TRUE(insert.answered());
    EXPECT_EQ(RowsOf(playlist()), equationRows_);
    // The insert rebuilt the view: no row stays selected, so a next insert
    // would go to the end.
    EXPECT_FALSE(playlist().selectionModel()->hasSelection());
    EXPECT_EQ(flashUsage(), loadedUsage_);
    SaveScreenshot("step4-equation");

    // The setup dialogs from the Operation menu: key 2 stops, key 3 starts
    // equation 17; One Line mode, then back to Key mode.
    const Answer<CKeySetupDlg> keys([](CKeySetupDlg* d) {
        QTest::keyClick(LabelledControl(d, "Key 2"), Qt::Key_End);  // "Stop"
        SaveScreenshot("step5-key-setup");
        Click(ButtonNamed(d, "OK"));
    }, 1);
    const Answer<CEquationSetupDlg> equations([](CEquationSetupDlg* d) {
        auto* key3 = d->findChild<QLineEdit*>("key3");
        QTest::mouseClick(key3, Qt::LeftButton);
        QTest::keyClick(key3, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(key3, "17");
        SaveScreenshot("step5-equation-setup");
        Click(ButtonNamed(d, "OK"));
    }, 1);
    chooseOperation("&Key Setup");
    chooseOperation("&Equation Setup");
    ASSERT_TRUE(keys.answered() && equations.answered());
    for (const auto& [mode, id] : {std::pair{"One Line Mode", ID_MODE_ONE_LINE}, std::pair{"Key Mode", ID_MODE_KEY}}) {
        const Answer<COptionsDlg> options([mode = QString(mode)](COptionsDlg* d) {
            Click(ButtonNamed(d, mode));
            Click(ButtonNamed(d, "OK"));
        }, 1);
        chooseOperation("&Options");
        EXPECT_TRUE(options.answered());
        EXPECT_EQ(checkedModes(), std::vector<int>{id});
    }
    SaveScreenshot("step5-setup-done");

    // F4 compiles; the BIN holds the mode, the keys and the equation.
    const Answer<QMessageBox> saved([](QMessageBox* box) {
        EXPECT_EQ(box->text(), QStringLiteral("BIN File Saved!\nSize: %1 bytes").arg(kBinBytes));
        SaveScreenshot("step6-compiled");
        Click(box->button(QMessageBox::Ok));
    }, 1);
    press(Qt::Key_F4);
    ASSERT_TRUE(saved.answered());
    const std::vector<uint8_t> bin = ReadBytes(projectFile_ + ".bin");
    ASSERT_EQ(bin.size(), size_t(kBinBytes));
    EXPECT_EQ(bin[2], 5);  // Key mode
    // Keys 1 to 10: function, equation. Key 2 stops, key 3 starts equation 17.
    EXPECT_EQ(std::vector<uint8_t>(bin.begin() + 8, bin.begin() + 28),
              std::vector<uint8_t>({1, 0, 14, 1, 1, 17, 1, 3, 1, 4, 1, 5, 1, 6, 1, 7, 1, 8, 1, 9}));
    // Equation 0: sound 0, 100 ms of silence, sound 2, then unused.
    EXPECT_EQ(std::vector<uint8_t>(bin.begin() + 0x130, bin.begin() + 0x130 + 10),
              std::vector<uint8_t>({0x44, 0, 0, 0x80, 100, 0x44, 0, 2, 0xFF, 0xFF}));

    // F5: the download tool, started by the program, writes to flashrom's
    // emulated chip of the BIN's size when its Write is pressed.
    const std::string chipImage = config_.file("chip.img");
    QSettings(Q(config_.file("KR615B/Quick.Loader.A3.conf")), QSettings::IniFormat)
        .setValue("programmer", QString("dummy:emulate=VARIABLE_SIZE,size=%1,image=%2").arg(kBinBytes).arg(
                                    Q(chipImage)));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Q(config_.path())));
    press(Qt::Key_F5);
    QString tool;
    ASSERT_TRUE(Xdotool({"search", "--sync", "--onlyvisible", "--name", kToolWindow}, &tool, 30000))
        << "the download tool's window did not come up";
    tool = tool.split('\n').first();
    ASSERT_TRUE(Xdotool({"windowfocus", "--sync", tool}));
    ASSERT_TRUE(Xdotool({"key", "Return"}));
    const bool written = QTest::qWaitFor([&] { return ReadBytes(chipImage) == bin; }, 60000);
    SaveScreenshot("step7-download");
    EXPECT_TRUE(written) << "the emulated chip does not hold the BIN";
    QString pid;
    ASSERT_TRUE(Xdotool({"getwindowpid", tool}, &pid) && pid.toInt() > 0);
    ::kill(pid.toInt(), SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Xdotool({"search", "--name", kToolWindow}); }, 10000));

    // Ctrl+E ends the program; started again, F3 opens the project as it
    // was left.
    press(Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(window_->isVisible());
    window_.reset();
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const Answer<QFileDialog> openName([&](QFileDialog* d) { TypeInFileDialog(d, Q(projectFolder_), "Song.winproj"); },
                                       1);
    press(Qt::Key_F3);
    ASSERT_TRUE(openName.answered());
    EXPECT_EQ(window_->windowTitle(), "Song.winproj - " + kCaption);
    EXPECT_EQ(RowsOf(library()), libraryRows_);
    EXPECT_EQ(RowsOf(playlist()), equationRows_);
    EXPECT_EQ(flashUsage(), loadedUsage_);
    EXPECT_EQ(checkedModes(), std::vector<int>{ID_MODE_KEY});
    // Key Setup shows what was saved (the key 3 equation is in the BIN);
    // left with Cancel, the one way through the window's own Cancel handling.
    const Answer<CKeySetupDlg> savedKeys([](CKeySetupDlg* d) {
        EXPECT_EQ(qobject_cast<QComboBox*>(LabelledControl(d, "Key 2"))->currentText(), "Stop");
        Click(ButtonNamed(d, "Cancel"));
    }, 1);
    chooseOperation("&Key Setup");
    EXPECT_TRUE(savedKeys.answered());
    SaveScreenshot("step8-reopened");
    press(Qt::Key_E, Qt::ControlModifier);
}
