#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>

#include "dialogs/CAddSilenceDlg.h"
#include "dialogs/CSamplingDlg.h"
#include "dialogs/CSoundLibraryDlg.h"
#include "widgetmain/WidgetDriver.h"

// Each case types an amount, picks the unit (0: tens of ms, 1: seconds) and
// presses Enter, which presses OK; a refused amount keeps the dialog open.
// The range is checked before the playlist's room.
TEST(AddSilenceDlg, AmountsUnitsAndAFullPlaylist)
{
    const QString range255 = "Out of range! (1 - 255)", range10 = "Out of range! (1 - 10)";
    const std::tuple<QString, int, int, int, std::vector<QString>> cases[] = {  // amount, unit, size, result, texts
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
    for (const auto& [amount, unit, equationSize, code, messages] : cases) {
        SCOPED_TRACE(amount.toStdString() + " size " + std::to_string(equationSize));
        CAddSilenceDlg dlg(equationSize);
        MessageCatcher catcher;
        const int result = RunDialog(dlg, [&] {
            QTest::keyClicks(dlg.findChild<QLineEdit*>(), amount);
            dlg.findChild<QComboBox*>()->setCurrentIndex(unit);
            QTest::keyClick(dlg.findChild<QLineEdit*>(), Qt::Key_Return);
        });
        EXPECT_EQ(std::make_pair(result, catcher.texts), std::make_pair(code, messages));
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
    // Sounds in the library, rows selected, a double-click on row 0 instead of OK, the result.
    const int kCancelled = CSoundLibraryDlg::kCancelled;
    const std::tuple<int, std::vector<int>, bool, int> cases[] = {
        {10, {7, 3}, false, 3}, {10, {}, true, 0}, {3, {}, false, kCancelled}, {-1, {}, false, kCancelled}};
    for (const auto& [sounds, rows, doubleClick, chosen] : cases) {
        CSoundLibraryDlg dlg;
        CSoundList library;
        for (int i = 0; i < sounds; ++i)
            library.append({CSound::kSoundFile, "", "s" + std::to_string(i) + ".wav", 8000});
        if (sounds >= 0)
            dlg.setLibrary(library);
        auto* list = dlg.findChild<QTableWidget*>();
        const int result = RunDialog(dlg, [&] {
            if (doubleClick)
                return DoubleClick(list->viewport(), list->visualRect(list->model()->index(0, 1)).center());
            for (int row : rows)
                list->selectionModel()->select(list->model()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
            Click(ButtonNamed(&dlg, "OK"));
        });
        EXPECT_EQ(result, chosen) << sounds;
    }
}

// A rate is chosen by a double-click or Enter on its row, never as a row
// index; the empty row and the close box cancel, and Enter with no row
// selected does nothing.
TEST(SamplingDlg, ARateIsChosenOnlyFromARateRow)
{
    constexpr int kDoubleClick = 0, kCloseBox = -1;
    // The highest rate, the row, a key or one of the two actions above, the result, the rate chosen.
    const std::tuple<int, int, int, int, int> cases[] = {
        {22000, 1, kDoubleClick, CSamplingDlg::kChosen, 6000},
        {8000, 3, kDoubleClick, CSamplingDlg::kCancelled, 0},
        {22000, 4, Qt::Key_Return, CSamplingDlg::kChosen, 12000},
        {22000, -1, Qt::Key_Enter, kStillOpen, 0},
        {8000, 3, Qt::Key_Return, CSamplingDlg::kCancelled, 0},
        {22000, -1, kCloseBox, CSamplingDlg::kCancelled, 0}};
    for (const auto& [highest, row, action, code, rate] : cases) {
        CSamplingDlg dlg(highest);
        auto* list = dlg.findChild<QListWidget*>();
        const int result = RunDialog(dlg, [&] {
            if (action == kDoubleClick)
                return DoubleClick(list->viewport(), list->visualItemRect(list->item(row)).center());
            if (action == kCloseBox)
                return void(dlg.close());
            if (row >= 0)
                list->setCurrentRow(row);
            QTest::keyClick(list, Qt::Key(action));
        });
        EXPECT_EQ(std::make_pair(result, dlg.chosenRate()), std::make_pair(code, rate))
            << highest << " row " << row << " action " << action;
    }
}
