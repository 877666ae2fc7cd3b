// Which session command each menu item, key, double-click and drop on the
// list views asks for; the views' rows and flags are set and their requests
// recorded directly, without the commands behind them.

#include <QMenu>
#include <QMimeData>
#include <QScrollBar>

#include "app/FakeWindowPort.h"
#include "app/Session.h"
#include "gui/CListCtrl_Backgroundmusic.h"
#include "gui/CListCtrl_Playlist.h"
#include "gui/CListCtrl_Snd_Lib.h"
#include "gui/RowDrag.h"
#include "widgetmain/WidgetDriver.h"

namespace {

using Requests = std::vector<ViewRequest>;
using C = ViewCommand;

template <class ViewClass> class Recorded : public ViewClass {
public:
    explicit Recorded(Session& session) : ViewClass(session) {}

    CSoundList list;
    bool enabled = true;
    Requests requests;

    using ViewClass::dragMoveEvent, ViewClass::dropEvent, ViewClass::makeContextMenu;

    // Shown with its rows, so that rows have places on the screen.
    void showRows(const CSoundList& rows)
    {
        list = rows;
        this->setEnabled(true);
        this->resize(300, 300);
        this->show();
        this->rebuild();
    }

protected:
    const CSoundList& rows() const override { return list; }
    bool commandsEnabled() const override { return enabled; }
    void run(const ViewRequest& request) override { requests.push_back(request); }
};

CSoundList Sounds(int count)
{
    CSoundList list;
    for (int i = 0; i < count; ++i)
        list.append({CSound::kSoundFile, "", "s" + std::to_string(i) + ".wav", 8000, 16, 0, 1250});
    return list;
}

// Triggers every item of a menu and its sub-menus, in order.
void TriggerAll(const QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (action->menu())
            TriggerAll(*action->menu());
        else if (!action->isSeparator())
            action->trigger();
    }
}

class ListViewTest : public testing::Test {
protected:
    FakeWindowPort port;
    Session session{port, "/nonexistent/"};
    Recorded<CListCtrl_Snd_Lib> library{session};
    Recorded<CListCtrl_Playlist> playlist{session};
    Recorded<CListCtrl_Backgroundmusic> music{session};
};

}  // namespace

// That a rebuild selects nothing is checked on the whole-program road.
TEST_F(ListViewTest, RebuildKeepsTheScroll)
{
    library.showRows(Sounds(60));
    library.verticalScrollBar()->setValue(20);
    library.list = Sounds(61);
    library.rebuild();
    EXPECT_EQ(library.verticalScrollBar()->value(), 20);

    library.list = Sounds(3);
    library.rebuild();
    EXPECT_EQ(library.verticalScrollBar()->value(), 0);
    library.removeRow(0);
    EXPECT_EQ(library.model()->index(0, 1).data().toString(), "s1.wav");
    library.clearRows();
    EXPECT_EQ(library.model()->rowCount(), 0);
}

// The items' texts are a fixed list, each in the catalogue check; here what
// each item asks for, and that they are greyed while the commands are off.
TEST_F(ListViewTest, ContextMenuItemsAskForTheirCommandsInOrderAndGreyWithTheCommands)
{
    // Greyed items ask for nothing.
    for (bool enabled : {false, true}) {
        library.enabled = playlist.enabled = music.enabled = enabled;
        TriggerAll(*library.makeContextMenu());
        TriggerAll(*playlist.makeContextMenu());
        TriggerAll(*music.makeContextMenu());
    }
    EXPECT_EQ(library.requests, (Requests{{C::LoadLibrarySounds}, {C::DeleteLibrarySound}, {C::EmptyLibrary},
                                          {C::PlayLibrarySound}, {C::PlayLibrarySoundAsChip}}));
    EXPECT_EQ(playlist.requests,
              (Requests{{C::InsertSound}, {C::InsertSilence, 10}, {C::InsertSilence, 20}, {C::InsertSilence, 50},
                        {C::InsertSilence, 100}, {C::InsertSilence, 200}, {C::InsertSilence, 300},
                        {C::InsertUserSilence}, {C::DeleteEntry}, {C::EmptyEquation}, {C::PlayEquation}}));
    EXPECT_EQ(music.requests,
              (Requests{{C::LoadBackgroundMusic}, {C::EmptyBackgroundMusic}, {C::PlayBackgroundMusic}}));
    // The sub-menu still opens, to show its greyed items.
    playlist.enabled = false;
    EXPECT_TRUE(playlist.makeContextMenu()->actions().front()->isEnabled());
}

TEST_F(ListViewTest, KeysActOnReleaseWhateverTheCommandsFlag)
{
    library.enabled = playlist.enabled = false;
    for (QWidget* view : std::initializer_list<QWidget*>{&library, &playlist, &music}) {
        // A release whose press went elsewhere (Escape closing a menu) is not the view's.
        QTest::keyRelease(view, Qt::Key_Escape);
        for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Space, Qt::Key_Escape, Qt::Key_A}) {
            QTest::keyPress(view, key);
            QTest::keyRelease(view, key);
        }
        // A held key repeats; only its last release counts.
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(view, &repeat);
    }
    EXPECT_EQ(library.requests, (Requests{{C::DeleteLibrarySound}, {C::PlayLibrarySound}, {C::StopPreview}}));
    EXPECT_EQ(playlist.requests, (Requests{{C::DeleteEntry}, {C::PlayEquation}, {C::StopPreview}}));
    EXPECT_TRUE(music.requests.empty());
}

// A library row's double-click is on the whole-program road.
TEST_F(ListViewTest, DoubleClickAsksForTheRowUnderTheMouse)
{
    playlist.showRows(Sounds(3));
    music.showRows(Sounds(1));
    DoubleClick(playlist.viewport(), RowCentre(playlist, 1));
    DoubleClick(playlist.viewport(), QPoint(20, 280));  // below the last row
    DoubleClick(music.viewport(), RowCentre(music, 0));
    EXPECT_EQ(playlist.requests, (Requests{{C::ReplaceEntry, 1}}));
    EXPECT_TRUE(music.requests.empty());
}

TEST_F(ListViewTest, DropsAppendLibraryRowsAndMovePlaylistRowsOntoARow)
{
    library.showRows(Sounds(5));
    playlist.showRows(Sounds(3));
    const QPoint belowLastRow(20, 280);
    // Whether the view takes the row: dropped on it, or only dragged over it.
    auto takes = [](auto& view, const DraggedRow& dragged, QPoint at, bool drop = true) {
        const auto data = MakeDragData(dragged);
        if (!drop) {
            QDragMoveEvent event(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
            view.dragMoveEvent(&event);
            return event.isAccepted();
        }
        QDropEvent event(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        view.dropEvent(&event);
        QCoreApplication::processEvents();  // the command runs once the drag has ended
        return event.isAccepted();
    };

    // A library row goes to the end of the equation wherever it is dropped.
    EXPECT_TRUE(takes(playlist, {View::Library, 4}, belowLastRow, false));
    EXPECT_TRUE(takes(playlist, {View::Library, 4}, RowCentre(playlist, 0)));
    EXPECT_TRUE(takes(playlist, {View::Playlist, 2}, RowCentre(playlist, 0), false));
    EXPECT_TRUE(takes(playlist, {View::Playlist, 2}, RowCentre(playlist, 0)));
    EXPECT_EQ(playlist.requests, (Requests{{C::AppendSound, 4}, {C::MoveEntry, 2, 0}}));

    // A playlist row needs a row under the cursor; a library row dropped back
    // on the library does nothing.
    playlist.requests.clear();
    EXPECT_FALSE(takes(playlist, {View::Playlist, 0}, belowLastRow, false));
    EXPECT_FALSE(takes(playlist, {View::Playlist, 0}, belowLastRow));
    EXPECT_FALSE(takes(library, {View::Library, 1}, RowCentre(library, 3)));

    // Rows of another instance's library are other sounds.
    QByteArray foreign;
    QDataStream(&foreign, QIODevice::WriteOnly)
        << QCoreApplication::applicationPid() + 1 << qint32(View::Library) << qint32(0);
    QMimeData data;
    data.setData(MakeDragData({View::Library, 0})->formats().front(), foreign);
    EXPECT_FALSE(ReadDragData(&data));
    EXPECT_TRUE(playlist.requests.empty());
    EXPECT_TRUE(library.requests.empty());
}
