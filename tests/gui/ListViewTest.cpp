// The list views: what they show, and which session command each menu item,
// key, double-click and drop asks for. The views are given their rows and
// flags directly and their requests are recorded, so each gesture is checked
// without the commands behind it.

#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "app/FakeWindowPort.h"
#include "app/Session.h"
#include "gui/CListCtrl_Backgroundmusic.h"
#include "gui/CListCtrl_Playlist.h"
#include "gui/CListCtrl_Snd_Lib.h"
#include "gui/RowDrag.h"

namespace {

template <class ViewClass> class Recorded : public ViewClass {
public:
    explicit Recorded(Session& session) : ViewClass(session) {}

    CSoundList list;
    bool enabled = true;
    std::vector<ViewRequest> requests;

    using ViewClass::dragMoveEvent;
    using ViewClass::dropEvent;
    using ViewClass::makeContextMenu;

protected:
    const CSoundList& rows() const override { return list; }
    bool commandsEnabled() const override { return enabled; }
    void run(const ViewRequest& request) override { requests.push_back(request); }
};

CSound Sound(const std::string& name, int rate = 8000, int stereo = 0)
{
    CSound sound;
    sound.kind = CSound::kSoundFile;
    sound.name = name;
    sound.path = "/sounds/" + name;
    sound.sampleRate = rate;
    sound.stereo = stereo;
    sound.lengthMs = 1250;
    return sound;
}

CSoundList Sounds(int count)
{
    CSoundList list;
    for (int i = 0; i < count; ++i)
        list.append(Sound("s" + std::to_string(i) + ".wav"));
    return list;
}

// A menu's items in order: "-" for a separator, "text>" then the items of a
// sub-menu up to "<".
std::vector<std::string> MenuTexts(const QMenu& menu)
{
    std::vector<std::string> texts;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            texts.push_back("-");
        } else if (QMenu* sub = action->menu()) {
            texts.push_back(action->text().toStdString() + ">");
            for (const std::string& text : MenuTexts(*sub))
                texts.push_back(text);
            texts.push_back("<");
        } else {
            texts.push_back(action->text().toStdString());
        }
    }
    return texts;
}

// Every item that is not a separator or a sub-menu, depth first.
std::vector<QAction*> Commands(const QMenu& menu)
{
    std::vector<QAction*> items;
    for (QAction* action : menu.actions()) {
        if (QMenu* sub = action->menu()) {
            const auto subItems = Commands(*sub);
            items.insert(items.end(), subItems.begin(), subItems.end());
        } else if (!action->isSeparator()) {
            items.push_back(action);
        }
    }
    return items;
}

template <class View> std::vector<ViewRequest> ChooseEveryItem(View& view)
{
    const auto menu = view.makeContextMenu();
    for (QAction* action : Commands(*menu))
        action->trigger();
    return view.requests;
}

class ListViewTest : public testing::Test {
protected:
    FakeWindowPort port;
    Session session{port, "/nonexistent/"};
    Recorded<CListCtrl_Snd_Lib> library{session};
    Recorded<CListCtrl_Playlist> playlist{session};
    Recorded<CListCtrl_Backgroundmusic> music{session};
};

QString Cell(const QAbstractItemView& view, int row, int column)
{
    return view.model()->index(row, column).data().toString();
}

QPoint RowCentre(const QTableView& view, int row)
{
    return view.visualRect(view.model()->index(row, 1)).center();
}

// As the window system reports it: a click, then a double-click event in
// place of the second press.
void DoubleClick(QAbstractItemView& view, QPoint at)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

TEST_F(ListViewTest, RowsShowTheirListInTheViewsColumns)
{
    library.list.append(Sound("bell.wav", 16000, 1));
    library.list.append(Sound("chime.wav", 8000, 2));
    library.rebuild();
    ASSERT_EQ(library.model()->rowCount(), 2);
    const QStringList expected = {"002", "chime.wav", "8000 Hz", "16 Bit", "MONO", "1250 ms"};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(Cell(library, 1, column), expected[column]);
    EXPECT_EQ(Cell(library, 0, 4), "STEREO");
    EXPECT_EQ(library.model()->headerData(2, Qt::Horizontal).toString(), "Sampling rate");
    EXPECT_EQ(library.columnWidth(1), 120);

    playlist.list.append(Sound("bell.wav"));
    playlist.list.append(CSound::Silence(1000));
    playlist.list.append(CSound::Silence(1500));
    playlist.rebuild();
    EXPECT_EQ(Cell(playlist, 0, 1), "SOUND");
    EXPECT_EQ(Cell(playlist, 0, 2), "bell.wav");
    EXPECT_EQ(Cell(playlist, 1, 1), "SILENCE");
    EXPECT_EQ(Cell(playlist, 1, 2), "1 s");
    EXPECT_EQ(Cell(playlist, 2, 2), "1500 ms");
    EXPECT_EQ(playlist.model()->columnCount(), 3);
    EXPECT_EQ(playlist.columnWidth(2), 160);
}

TEST_F(ListViewTest, RebuildKeepsTheScrollAndSelectsNothing)
{
    library.resize(300, 200);
    library.show();
    library.list = Sounds(60);
    library.rebuild();
    library.verticalScrollBar()->setValue(20);
    library.selectRow(25);
    ASSERT_EQ(library.selectedRow(), 25);

    library.list.append(Sound("new.wav"));
    library.rebuild();
    EXPECT_EQ(library.selectedRow(), -1);
    EXPECT_EQ(library.verticalScrollBar()->value(), 20);
    EXPECT_EQ(library.model()->rowCount(), 61);

    // Fewer rows than the old position: as far down as the rows go.
    library.list = Sounds(3);
    library.rebuild();
    EXPECT_EQ(library.verticalScrollBar()->value(), 0);

    library.selectRow(1);
    library.removeRow(0);
    EXPECT_EQ(Cell(library, 0, 1), "s1.wav");
    library.clearRows();
    EXPECT_EQ(library.model()->rowCount(), 0);
    EXPECT_EQ(library.selectedRow(), -1);
}

TEST_F(ListViewTest, ContextMenusOfferTheirItemsInOrder)
{
    using Texts = std::vector<std::string>;
    EXPECT_EQ(MenuTexts(*library.makeContextMenu()),
              (Texts{"&Load", "&Delete", "&Empty", "-", "&Play", "Play as &Chip"}));
    EXPECT_EQ(MenuTexts(*playlist.makeContextMenu()),
              (Texts{"&Insert>", "WAV / MP3 / WMA", "-", "&10ms", "&20ms", "&50ms", "100ms", "200ms", "300ms", "-",
                     "&User Defined Silence", "<", "&Delete", "&Empty", "-", "&Play"}));
    EXPECT_EQ(MenuTexts(*music.makeContextMenu()), (Texts{"&Load", "&Empty", "-", "&Play"}));
}

TEST_F(ListViewTest, EachMenuItemAsksForItsCommand)
{
    using C = ViewCommand;
    using Requests = std::vector<ViewRequest>;
    EXPECT_EQ(ChooseEveryItem(library), (Requests{{C::LoadLibrarySounds},
                                                  {C::DeleteLibrarySound},
                                                  {C::EmptyLibrary},
                                                  {C::PlayLibrarySound},
                                                  {C::PlayLibrarySoundAsChip}}));
    EXPECT_EQ(ChooseEveryItem(playlist), (Requests{{C::InsertSound},
                                                   {C::InsertSilence, 10},
                                                   {C::InsertSilence, 20},
                                                   {C::InsertSilence, 50},
                                                   {C::InsertSilence, 100},
                                                   {C::InsertSilence, 200},
                                                   {C::InsertSilence, 300},
                                                   {C::InsertUserSilence},
                                                   {C::DeleteEntry},
                                                   {C::EmptyEquation},
                                                   {C::PlayEquation}}));
    EXPECT_EQ(ChooseEveryItem(music),
              (Requests{{C::LoadBackgroundMusic}, {C::EmptyBackgroundMusic}, {C::PlayBackgroundMusic}}));
}

TEST_F(ListViewTest, MenusAreGreyedWhileTheViewsCommandsAreOff)
{
    library.enabled = false;
    playlist.enabled = false;
    const auto libraryMenu = library.makeContextMenu();
    for (QAction* action : Commands(*libraryMenu))
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    const auto greyed = playlist.makeContextMenu();
    for (QAction* action : Commands(*greyed))
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    // The sub-menu still opens, to show its greyed items.
    EXPECT_TRUE(greyed->actions().front()->isEnabled());

    playlist.enabled = true;
    const auto offered = playlist.makeContextMenu();
    for (QAction* action : Commands(*offered))
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
}

TEST_F(ListViewTest, KeysActOnReleaseWhateverTheCommandsFlag)
{
    using C = ViewCommand;
    using Requests = std::vector<ViewRequest>;
    library.enabled = false;
    playlist.enabled = false;
    for (auto* view : {static_cast<QWidget*>(&library), static_cast<QWidget*>(&playlist),
                       static_cast<QWidget*>(&music)}) {
        for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Space, Qt::Key_Escape}) {
            QTest::keyPress(view, key);
            QTest::keyRelease(view, key);
        }
        // The repeats of a held key end in one release of their own.
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(view, &repeat);
        QTest::keyRelease(view, Qt::Key_A);
    }
    EXPECT_EQ(library.requests, (Requests{{C::DeleteLibrarySound}, {C::PlayLibrarySound}, {C::StopPreview}}));
    EXPECT_EQ(playlist.requests, (Requests{{C::DeleteEntry}, {C::PlayEquation}, {C::StopPreview}}));
    EXPECT_TRUE(music.requests.empty());
}

TEST_F(ListViewTest, DoubleClickAsksForTheRowUnderTheMouse)
{
    library.list = Sounds(4);
    playlist.list = Sounds(3);
    music.list = Sounds(1);
    for (QTableView* view : {static_cast<QTableView*>(&library), static_cast<QTableView*>(&playlist),
                             static_cast<QTableView*>(&music)}) {
        view->resize(300, 300);
        view->show();
        static_cast<SoundListView*>(view)->rebuild();
    }
    music.setEnabled(true);

    DoubleClick(library, RowCentre(library, 2));
    DoubleClick(playlist, RowCentre(playlist, 1));
    DoubleClick(music, RowCentre(music, 0));
    // Below the last row there is no row to act on.
    DoubleClick(playlist, QPoint(20, 280));

    EXPECT_EQ(library.requests, (std::vector<ViewRequest>{{ViewCommand::AppendSound, 2}}));
    EXPECT_EQ(playlist.requests, (std::vector<ViewRequest>{{ViewCommand::ReplaceEntry, 1}}));
    EXPECT_TRUE(music.requests.empty());
}

TEST_F(ListViewTest, DropsAppendLibraryRowsAndMovePlaylistRowsOntoARow)
{
    playlist.list = Sounds(3);
    library.list = Sounds(5);
    for (QTableView* view : {static_cast<QTableView*>(&library), static_cast<QTableView*>(&playlist)}) {
        view->resize(300, 300);
        view->show();
        static_cast<SoundListView*>(view)->rebuild();
    }
    const QPoint belowLastRow(20, 280);
    auto drop = [](auto& view, const DraggedRow& dragged, QPoint at) {
        const auto data = MakeDragData(dragged);
        QDropEvent event(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        view.dropEvent(&event);
        QCoreApplication::processEvents();  // the command runs once the drag has ended
        return event.isAccepted();
    };
    auto canDrop = [](auto& view, const DraggedRow& dragged, QPoint at) {
        const auto data = MakeDragData(dragged);
        QDragMoveEvent event(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        view.dragMoveEvent(&event);
        return event.isAccepted();
    };

    // A library row goes to the end of the equation wherever it is dropped.
    EXPECT_TRUE(canDrop(playlist, {View::Library, 4}, belowLastRow));
    EXPECT_TRUE(drop(playlist, {View::Library, 4}, RowCentre(playlist, 0)));
    EXPECT_TRUE(canDrop(playlist, {View::Playlist, 2}, RowCentre(playlist, 0)));
    EXPECT_TRUE(drop(playlist, {View::Playlist, 2}, RowCentre(playlist, 0)));
    EXPECT_EQ(playlist.requests,
              (std::vector<ViewRequest>{{ViewCommand::AppendSound, 4}, {ViewCommand::MoveEntry, 2, 0}}));

    // A playlist row needs a row under the cursor; a library row dropped
    // back on the library does nothing.
    playlist.requests.clear();
    EXPECT_FALSE(canDrop(playlist, {View::Playlist, 0}, belowLastRow));
    EXPECT_FALSE(drop(playlist, {View::Playlist, 0}, belowLastRow));
    EXPECT_FALSE(drop(library, {View::Library, 1}, RowCentre(library, 3)));
    EXPECT_TRUE(playlist.requests.empty());
    EXPECT_TRUE(library.requests.empty());
}

TEST_F(ListViewTest, RowsDraggedFromAnotherProgramAreRefused)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QCoreApplication::applicationPid() + 1 << static_cast<qint32>(View::Library) << static_cast<qint32>(0);
    QMimeData foreign;
    foreign.setData(MakeDragData({View::Library, 0})->formats().front(), bytes);
    EXPECT_FALSE(ReadDragData(&foreign));
    EXPECT_EQ(ReadDragData(MakeDragData({View::Playlist, 7}).get())->row, 7);
}
