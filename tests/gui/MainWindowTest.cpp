#include <QComboBox>
#include <QFile>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "common/TestFiles.h"
#include "gui/CKR_AppDlg.h"
#include "gui/CListCtrl_Backgroundmusic.h"
#include "gui/CListCtrl_Playlist.h"
#include "gui/CListCtrl_Snd_Lib.h"
#include "widgetmain/WidgetDriver.h"

namespace {

class MainWindow : public testing::Test {
protected:
    MainWindow() : window(folder.path() + "/") {}

    void showActive()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QComboBox* list(int i) const { return window.findChildren<QComboBox*>().at(i); }
    QProgressBar* progress() const { return window.findChild<QProgressBar*>(); }
    QToolBar* toolBar() const { return window.findChild<QToolBar*>(); }

    // An empty folder as the program folder: nothing outside is started
    // unless a test puts it there.
    ScratchDir folder;
    CKR_AppDlg window;
};

}  // namespace

// Which menu items are greyed with and without a project is followed on the
// whole-program road; here the controls and bars that follow the flags.
TEST_F(MainWindow, ControlsBarsAndViewsFollowTheirFlags)
{
    const std::vector<QWidget*> controls = {list(0), list(1), ButtonNamed(&window, "+"), ButtonNamed(&window, "-"),
                                            toolBar()->widgetForAction(window.action(ID_OPERATION_COMPILE))};
    window.show();
    for (int on : {-1, 1, 0}) {  // -1: greyed as the window starts
        if (on >= 0)
            window.ShowEditingEnabled(on);
        for (QWidget* control : controls)
            EXPECT_EQ(control->isEnabled(), on == 1);
        EXPECT_TRUE(toolBar()->widgetForAction(window.action(ID_HELP_CONTENT))->isEnabled());
    }
    for (QAction* a : toolBar()->actions())
        EXPECT_TRUE(a->isSeparator() || !a->icon().pixmap(36, 36).isNull());

    // The bars hide without moving the views.
    auto* library = window.findChild<CListCtrl_Snd_Lib*>();
    const QRect libraryPlace = library->geometry();
    for (bool shown : {false, true}) {
        window.action(ID_VIEW_STATUSBAR)->trigger();
        window.action(ID_VIEW_TOOLBAR)->trigger();
        EXPECT_EQ(window.findChild<QStatusBar*>()->isVisible(), shown);
        EXPECT_EQ(progress()->isVisible(), shown);
        EXPECT_EQ(toolBar()->isVisible(), shown);
        EXPECT_EQ(library->geometry(), libraryPlace);
    }

    auto* music = window.findChild<CListCtrl_Backgroundmusic*>();
    QAction* showMusic = window.action(ID_VIEW_BACKGROUND_MUSIC);
    EXPECT_FALSE(showMusic->isEnabled());
    window.EnableBackgroundMusicView(true);
    showMusic->trigger();
    EXPECT_TRUE(music->isVisible());
    EXPECT_EQ(music->geometry().topLeft(), libraryPlace.topLeft());
    window.EnableBackgroundMusicView(false);
    EXPECT_EQ(std::make_tuple(music->isVisible(), showMusic->isChecked(), showMusic->isEnabled()),
              std::make_tuple(false, false, false));

    // Qt would animate a 0..0 bar as busy.
    window.ShowProgress(0, 0);
    EXPECT_GT(progress()->maximum(), progress()->minimum());
    EXPECT_EQ(progress()->value(), 0);
}

TEST_F(MainWindow, EquationStepsGoThroughTheSessionAndShowingAnEquationDoesNotSelectIt)
{
    showActive();
    window.ShowEditingEnabled(true);
    list(0)->setCurrentIndex(3);
    EXPECT_EQ(window.session().currentEquation(), 3);

    QTest::mouseClick(ButtonNamed(&window, "-"), Qt::LeftButton);
    EXPECT_EQ(window.session().currentEquation(), 2);
    QTest::keyClick(&window, Qt::Key_S);
    EXPECT_EQ(window.session().currentEquation(), 1);
    EXPECT_EQ(list(0)->currentIndex(), 1);
    QTest::keyClick(&window, Qt::Key_W);  // as "+", which never passes an empty equation
    EXPECT_EQ(window.session().currentEquation(), 1);

    window.ShowCurrentEquation(7);
    EXPECT_EQ(list(0)->currentIndex(), 7);
    EXPECT_EQ(window.session().currentEquation(), 1);

    // The keys rest while their buttons are greyed.
    window.ShowEditingEnabled(false);
    QTest::keyClick(&window, Qt::Key_S);
    EXPECT_EQ(window.session().currentEquation(), 1);
}

TEST_F(MainWindow, KeepsItsSizeRulesWhenResized)
{
    window.show();
    window.resize(700, 400);
    EXPECT_GE(window.width(), 800);
    EXPECT_GE(window.height(), 500);

    const QWidget* library = window.findChild<CListCtrl_Snd_Lib*>();
    const QWidget* playlist = window.findChild<CListCtrl_Playlist*>();
    const QWidget* client = window.centralWidget();
    const auto gaps = [&] {
        const QRect l = library->geometry(), p = playlist->geometry(), b = progress()->geometry();
        return std::vector<int>{l.x(), l.y(), l.width(), client->height() - l.bottom(), p.x(), p.y(),
                                client->width() - p.right(), client->height() - p.bottom(), b.y() - p.bottom(),
                                b.height(), client->width() - b.right(), list(0)->y()};
    };
    const std::vector<int> before = gaps();
    window.resize(1180, 760);
    EXPECT_EQ(gaps(), before);
    EXPECT_EQ(window.findChild<QStatusBar*>()->geometry(), QRect(0, client->height() - 20, client->width(), 20));

    // With a large font, at the smallest size, the top row is whole and
    // inside, and the views' columns hold their titles and widest texts.
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSize(normal.pointSize() * 2);
    QApplication::setFont(large);
    CKR_AppDlg big(folder.path() + "/");
    QApplication::setFont(normal);
    big.show();
    big.resize(800, 500);
    const auto* label = big.findChildren<QLabel*>().at(1);  // "Flash :"
    EXPECT_GE(label->width(), QFontMetrics(large).horizontalAdvance(label->text()));
    EXPECT_LE(big.findChildren<QComboBox*>().at(1)->geometry().right(), big.centralWidget()->width());
    const QTableView* bigLibrary = big.findChild<CListCtrl_Snd_Lib*>();
    for (const auto& [view, column, text] : std::vector<std::tuple<const QTableView*, int, QString>>{
             {bigLibrary, 2, "Sampling rate"}, {bigLibrary, 4, "STEREO"}, {bigLibrary, 5, "1234567 ms"},
             {big.findChild<CListCtrl_Playlist*>(), 1, "SILENCE"}})
        EXPECT_GT(view->columnWidth(column), QFontMetrics(large).horizontalAdvance(text)) << text.toStdString();
}

TEST_F(MainWindow, OnlyATypedCInTheMainWindowOutsideTextFieldsEndsIt)
{
    showActive();
    // Enter, Escape and E do not close it.
    auto* library = window.findChild<CListCtrl_Snd_Lib*>();
    library->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_E}) {
        QTest::keyClick(library, key);
        QTest::keyClick(&window, key);
    }
    EXPECT_TRUE(window.isVisible());

    // Nor does a dialog, in its edit box or anywhere else.
    {
        QDialog dialog(&window);
        auto* box = new QLineEdit(&dialog);
        (new QVBoxLayout(&dialog))->addWidget(box);
        RunDialog(dialog, [&] {
            if (QTest::qWaitForWindowActive(&dialog)) {
                box->setFocus();
                QTest::keyClicks(box, "cews");
                QTest::keyClick(&dialog, Qt::Key_C);
            }
        });
        EXPECT_EQ(box->text(), "cews");
        EXPECT_TRUE(window.isVisible());
    }

    // In the main window itself it switches to the other edition, which
    // ends this one. A stand-in that ends at once takes the edition's place.
    const std::string edition = folder.file("KR_App_SC");
    const std::string script = "#!/bin/sh\nexit 0\n";
    WriteBytes(edition, {script.begin(), script.end()});
    QFile::setPermissions(QString::fromStdString(edition), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ASSERT_NO_FATAL_FAILURE(showActive());
    library->setFocus();
    QTest::keyClick(&window, Qt::Key_C);
    EXPECT_FALSE(window.isVisible());
}
