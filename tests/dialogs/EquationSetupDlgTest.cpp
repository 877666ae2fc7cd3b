#include "dialogs/CEquationSetupDlg.h"
#include "widgetmain/WidgetDriver.h"

namespace {

QLineEdit* Box(QWidget* dialog, int key) { return dialog->findChild<QLineEdit*>(QString("key%1").arg(key)); }

int Value(const CEquationSetupDlg& dlg, int key) { return dlg.values().equationNumber[key - 1]; }

}  // namespace

// A stored number out of range is reported with "Error" while opening and
// set to 0. Each typed digit is read at once; an empty box stores 0 and stays
// empty. Text that reaches a box otherwise (a paste) is read as atoi reads
// it. A number past 219, below 0 or beyond int is refused and set to 0.
TEST(EquationSetupDlg, ReadsEachChangeAndRefusesNumbersOutOfRange)
{
    CEquation stored;
    stored.equationNumber[4] = 300;
    stored.equationNumber[20] = -1;
    CEquationSetupDlg dlg;
    MessageCatcher catcher;
    dlg.setValues(stored, kKeyMode);
    EXPECT_EQ(catcher.texts, (std::vector<QString>{"Error", "Error"}));
    EXPECT_EQ(Box(&dlg, 5)->text(), "0");
    CEquation expected = stored;
    expected.equationNumber[4] = expected.equationNumber[20] = 0;
    EXPECT_EQ(dlg.values(), expected);
    // Into one box, pasted (set at once) or typed after what it holds.
    const struct {
        bool typed;
        QString text;
        int value;
        QString shown;
    } steps[] = {{false, "", 0, ""},         {true, "2", 2, "2"},      {true, "1", 21, "21"},
                 {true, "9", 219, "219"},    {true, "0", 0, "0"},      {false, "12ab", 12, "12ab"},
                 {false, "-5", 0, "0"},      {false, "4294967303", 0, "0"}};  // 7 after a 32-bit wrap
    RunDialog(dlg, [&] {
        QLineEdit* box = Box(&dlg, 2);
        for (const auto& [typed, text, value, shown] : steps) {
            typed ? QTest::keyClicks(box, text) : box->setText(text);
            EXPECT_EQ(std::make_pair(Value(dlg, 2), box->text()), std::make_pair(value, shown)) << text.toStdString();
        }
        QTest::keyClicks(Box(&dlg, 4), "-x");  // only digits can be typed
        EXPECT_EQ(Box(&dlg, 4)->text(), "3");
    });
    EXPECT_EQ(catcher.texts.size(), 5u);
}
