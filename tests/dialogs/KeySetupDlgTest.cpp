#include <QComboBox>

#include "dialogs/CEquationSetupDlg.h"
#include "dialogs/CKeySetupDlg.h"
#include "widgetmain/WidgetDriver.h"

namespace {

// The list of key n (1 to 24), found through its label.
QComboBox* KeyList(QWidget* dialog, int key)
{
    return qobject_cast<QComboBox*>(LabelledControl(dialog, QString("Key %1").arg(key)));
}

}  // namespace

// The keys and equation boxes each mode lets the user change; modes no
// button offers enable all. A disabled box still shows its value. A stored
// equation past 219 or below 0 is refused with "Error" and set to 0.
TEST(SetupDialogs, EachModeEnablesItsKeysAndEquations)
{
    std::vector<int> all;
    for (int key = 1; key <= kKeyCount; ++key)
        all.push_back(key);
    const std::vector<int> oneToTen(all.begin(), all.begin() + 10), oneLine = {1, 2, 3, 5, 6, 7, 8, 9, 10};
    const std::tuple<int, std::vector<int>, std::vector<int>> cases[] = {
        {kOneLine, oneLine, oneLine},   {kThreeLine, {}, {1, 5, 6, 7, 8, 9, 10}}, {kMp3, {}, {7, 8, 9, 10}},
        {kMatrix3x8, {}, all},          {kParallelPort, {1}, {1}},                {kExtended, oneToTen, oneToTen},
        {kKeyMode, oneToTen, oneToTen}, {-1, all, all}};
    CEquation stored;
    stored.equationNumber[4] = 220;
    stored.equationNumber[20] = -1;
    stored.equationNumber[23] = 219;
    CEquation kept = stored;
    kept.equationNumber[4] = kept.equationNumber[20] = 0;
    for (const auto& [mode, keysEnabled, boxesEnabled] : cases) {
        CKeySetupDlg keys;
        keys.setKeys(CKey(), mode);
        CEquationSetupDlg equations;
        MessageCatcher catcher;
        equations.setValues(stored, mode);
        const auto box = [&](int key) { return equations.findChild<QLineEdit*>(QString("key%1").arg(key)); };
        std::vector<int> keysSeen, boxesSeen;
        for (int key : all) {
            if (KeyList(&keys, key)->isEnabled())
                keysSeen.push_back(key);
            if (box(key)->isEnabled())
                boxesSeen.push_back(key);
        }
        EXPECT_EQ(std::tie(keysSeen, boxesSeen), std::tie(keysEnabled, boxesEnabled)) << "mode " << mode;
        EXPECT_EQ(catcher.texts, (std::vector<QString>{"Error", "Error"}));
        EXPECT_EQ(equations.values(), kept);
        EXPECT_EQ(box(5)->text() + " " + box(24)->text(), "0 219");
    }
}

// Fixed entries and codes outside the list (no entry shown) are only shown:
// confirming returns the stored functions.
TEST(KeySetupDlg, FixedEntriesAndUnknownCodesLeaveTheStoredFunctions)
{
    CKey stored;
    for (int i = 0; i < kKeyCount; ++i)
        stored.keyFunction[i] = i % 15;
    stored.keyFunction[6] = kEdgeRetrigger;
    stored.keyFunction[10] = 99;
    stored.keyFunction[11] = -3;

    CKeySetupDlg mp3;
    mp3.setKeys(stored, kMp3);
    for (int key = 7; key <= 10; ++key)
        EXPECT_EQ(KeyList(&mp3, key)->currentText(), "No Function");
    EXPECT_EQ(std::make_tuple(KeyList(&mp3, 11)->currentIndex(), KeyList(&mp3, 12)->currentIndex(),
                              KeyList(&mp3, 13)->currentIndex()), std::make_tuple(-1, -1, stored.keyFunction[12]));
    EXPECT_EQ(RunDialog(mp3, [&] { Click(ButtonNamed(&mp3, "OK")); }), CKeySetupDlg::kOk);
    EXPECT_EQ(mp3.keys(), stored);

    CKeySetupDlg matrix;
    matrix.setKeys(stored, kMatrix3x8);
    const int result = RunDialog(matrix, [&] {
        for (int key = 1; key <= kKeyCount; ++key)
            EXPECT_EQ(KeyList(&matrix, key)->currentText(), "Edge retrigger");
        QTest::keyClick(KeyList(&matrix, 2), Qt::Key_Down);  // disabled: nothing changes
        QTest::keyClick(ButtonNamed(&matrix, "OK"), Qt::Key_Escape);
    });
    EXPECT_EQ(result, CKeySetupDlg::kDismissed);
    EXPECT_EQ(matrix.keys(), stored);
}

TEST(KeySetupDlg, CancelDropsThePicksWhileEscapeAndOkApplyThem)
{
    CKey picked;
    picked.keyFunction[0] = 2;
    picked.keyFunction[9] = kStopFunction;
    const std::pair<Ending, int> endings[] = {
        {Ending::CancelButton, CKeySetupDlg::kCancel}, {Ending::Escape, CKeySetupDlg::kDismissed},
        {Ending::Enter, CKeySetupDlg::kOk}, {Ending::CloseBox, CKeySetupDlg::kDismissed}};
    for (const auto& [ending, code] : endings) {
        CKeySetupDlg dlg;
        dlg.setKeys(CKey(), kOneLine);
        const int result = RunDialog(dlg, [&] {
            QTest::keyClick(KeyList(&dlg, 1), Qt::Key_Down);  // "Edge no retrigger"
            QTest::keyClick(KeyList(&dlg, 10), Qt::Key_End);  // "Stop"
            QTest::keyClick(KeyList(&dlg, 4), Qt::Key_Down);  // disabled in One Line
            EndDialog(dlg, ending, KeyList(&dlg, 10));
        });
        EXPECT_EQ(result, code);
        if (ending != Ending::CancelButton) {
            EXPECT_EQ(dlg.keys(), picked) << "ending " << int(ending);
        }
    }
}
