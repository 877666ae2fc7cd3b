#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>

#include "dialogs/CAddSilenceDlg.h"
#include "dialogs/CSamplingDlg.h"
#include "dialogs/CSoundLibraryDlg.h"
#include "widgetmain/WidgetDriver.h"

namespace {

CSoundList Library(int sounds)
{
    CSoundList library;
    for (int i = 0; i < sounds; ++i)
        library.append({CSound::kSoundFile, "", "s" + std::to_string(i) + ".wav", 8000});
    return library;
}

}  // namespace

// Each case types an amount, picks the unit (0: tens of ms, 1: seconds) and
// presses Enter, which presses OK; a refused amount keeps the dialog open.
// The range is checked before the playlist's room.
TEST(AddSilenceDlg, AmountsUnitsAndAFullPlaylist)
{
    const QString range255 = "Out of range! (1 - 255)", range10 = "Out of range! (1 - 10)";
    struct {
        QString amount;
        int unit;
        int equationSize;
        int result;
        std::vector<QString> messages;
    } const cases[] = {
        {"255", 0, 0, 2550, {}},
        {"10", 1, 0, 10000, {}},
        {"  +7 ms", 0, 0, 70, {}},
        {"5", 0, 255, 50, {}},
        {"256", 0, 0, kStillOpen, {range255}},
        {"0", 0, 0, kStillOpen, {range255}},
        {"11", 1, 0, kStillOpen, {range10}},
        {"4294967297", 1, 0, kStillOpen, {range10}},  // 1 after a 32-bit wrap
        {QString(400, u'9'), 0, 0, kStillOpen, {range255}},
        {"5", 0, 256, kStillOpen, {"Playlist full!"}},
        {"300", 0, 256, kStillOpen, {range255}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount.toStdString() + " size " + std::to_string(c.equationSize));
        CAddSilenceDlg dlg(c.equationSize);
        MessageCatcher catcher;
        const int result = RunDialog(dlg, [&] {
            QTest::keyClicks(dlg.findChild<QLineEdit*>(), c.amount);
            dlg.findChild<QComboBox*>()->setCurrentIndex(c.unit);
            QTest::keyClick(dlg.findChild<QLineEdit*>(), Qt::Key_Return);
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(catcher.texts, c.messages);
    }
    for (const Ending ending : {Ending::CancelButton, Ending::CloseBox}) {  // Escape: through the window
        CAddSilenceDlg dlg(0);
        const int result = RunDialog(dlg, [&] {
            QTest::keyClicks(dlg.findChild<QLineEdit*>(), "10");
            EndDialog(dlg, ending, dlg.findChild<QLineEdit*>());
        });
        EXPECT_EQ(result, CAddSilenceDlg::kCancelled);
    }
}

// The lowest selected row is returned; no selection or no library cancel (A
// library of -1 sounds is never set); Escape is checked through the window.
TEST(SoundLibraryDlg, ReturnsTheLowestSelectedRowOrCancels)
{
    const auto run = [](int sounds, const std::function<void(CSoundLibraryDlg&, QTableWidget*)>& steps) {
        CSoundLibraryDlg dlg;
        if (sounds >= 0)
            dlg.setLibrary(Library(sounds));
        return RunDialog(dlg, [&] { steps(dlg, dlg.findChild<QTableWidget*>()); });
    };
    const auto ok = [](CSoundLibraryDlg& dlg, QTableWidget*) { Click(ButtonNamed(&dlg, "OK")); };
    EXPECT_EQ(run(10, [&](CSoundLibraryDlg& dlg, QTableWidget* list) {
                  list->selectRow(7);
                  list->selectionModel()->select(list->model()->index(3, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
                  ok(dlg, list);
              }),
              3);
    EXPECT_EQ(run(10, [](CSoundLibraryDlg&, QTableWidget* list) {
                  DoubleClick(list->viewport(), list->visualRect(list->model()->index(0, 1)).center());
              }),
              0);
    EXPECT_EQ(run(3, ok), CSoundLibraryDlg::kCancelled);
    EXPECT_EQ(run(-1, ok), CSoundLibraryDlg::kCancelled);
}

// A rate is chosen by a double-click or Enter on its row, never as a row
// index; the empty row and the close box cancel, and Enter with no row
// selected does nothing.
TEST(SamplingDlg, ARateIsChosenOnlyFromARateRow)
{
    constexpr int kDoubleClick = 0, kCloseBox = -1;
    struct {
        int highest;
        int row;
        int action;  // a key, or one of the two above
        int result;
        int rate;
    } const cases[] = {
        {22000, 1, kDoubleClick, CSamplingDlg::kChosen, 6000},
        {8000, 3, kDoubleClick, CSamplingDlg::kCancelled, 0},
        {22000, 4, Qt::Key_Return, CSamplingDlg::kChosen, 12000},
        {22000, -1, Qt::Key_Enter, kStillOpen, 0},
        {8000, 3, Qt::Key_Return, CSamplingDlg::kCancelled, 0},
        {22000, -1, kCloseBox, CSamplingDlg::kCancelled, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.highest << " row " << c.row << " action " << c.action);
        CSamplingDlg dlg(c.highest);
        auto* list = dlg.findChild<QListWidget*>();
        const int result = RunDialog(dlg, [&] {
            if (c.action == kDoubleClick)
                return DoubleClick(list->viewport(), list->visualItemRect(list->item(c.row)).center());
            if (c.action == kCloseBox)
                return void(dlg.close());
            if (c.row >= 0)
                list->setCurrentRow(c.row);
            QTest::keyClick(list, Qt::Key(c.action));
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(dlg.chosenRate(), c.rate);
    }
}
