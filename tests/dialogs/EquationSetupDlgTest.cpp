#include <QLineEdit>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "dialogs/CEquationSetupDlg.h"

namespace {

QLineEdit* Box(QWidget* dialog, int key) { return dialog->findChild<QLineEdit*>(QString("key%1").arg(key)); }

int Value(const CEquationSetupDlg& dlg, int key) { return dlg.values().equationNumber[key - 1]; }

}  // namespace

TEST(EquationSetupDlg, TypingDigitsReadsEachStepAndRejectsTheFourth)
{
    CEquationSetupDlg dlg;
    dlg.setValues(CEquation(), kKeyMode);
    MessageCatcher catcher;
    const int result = RunDialog(dlg, [&] {
        QLineEdit* box = Box(&dlg, 2);
        box->clear();
        EXPECT_EQ(Value(dlg, 2), 0);  // an empty box stores 0 and stays empty
        EXPECT_EQ(box->text(), "");
        std::vector<int> seen;
        for (const char* digit : {"2", "1", "9"}) {
            TypeText(box, digit);
            seen.push_back(Value(dlg, 2));
        }
        EXPECT_EQ(seen, (std::vector<int>{2, 21, 219}));
        EXPECT_TRUE(catcher.messages().empty());
        TypeText(box, "0");
        EXPECT_EQ(box->text(), "0");
        EXPECT_EQ(Value(dlg, 2), 0);

        QLineEdit* other = Box(&dlg, 3);
        other->clear();
        TypeText(other, "22");
        EXPECT_EQ(Value(dlg, 3), 22);
        TypeText(other, "0");
        EXPECT_EQ(other->text(), "0");
        EXPECT_EQ(Value(dlg, 3), 0);

        TypeText(Box(&dlg, 4), "-x");  // only digits can be typed
        EXPECT_EQ(Box(&dlg, 4)->text(), "3");
        PressKey(other, Qt::Key_Return);
    });
    EXPECT_EQ(result, CEquationSetupDlg::kOk);
    ASSERT_EQ(catcher.messages().size(), 2u);
    EXPECT_EQ(catcher.messages()[0].text, "Error");
    EXPECT_EQ(catcher.messages()[0].caption, "KR615B DadezEvur V1.0");
    EXPECT_FALSE(catcher.messages()[0].hasIcon);
}

// Text that cannot be typed but can reach a box (from a paste, say) is read
// the way atoi reads it; an overflowing number is out of range too.
TEST(EquationSetupDlg, ReadsPastedTextLikeAtoiButSafely)
{
    CEquationSetupDlg dlg;
    dlg.setValues(CEquation(), kKeyMode);
    MessageCatcher catcher;
    RunDialog(dlg, [&] {
        Box(&dlg, 1)->setText("12ab");
        EXPECT_EQ(Value(dlg, 1), 12);
        EXPECT_EQ(Box(&dlg, 1)->text(), "12ab");
        EXPECT_TRUE(catcher.messages().empty());
        Box(&dlg, 2)->setText("-5");
        EXPECT_EQ(Value(dlg, 2), 0);
        EXPECT_EQ(Box(&dlg, 2)->text(), "0");
        Box(&dlg, 3)->setText("4294967303");  // 7 after a 32-bit wrap
        EXPECT_EQ(Value(dlg, 3), 0);
        EXPECT_EQ(Box(&dlg, 3)->text(), "0");
    });
    EXPECT_EQ(catcher.texts(), (std::vector<QString>{"Error", "Error"}));
}

TEST(EquationSetupDlg, AStoredValueOutOfRangeIsReportedWhileOpening)
{
    CEquation stored;
    stored.equationNumber[4] = 300;
    stored.equationNumber[20] = -1;
    CEquationSetupDlg dlg;
    MessageCatcher catcher;
    dlg.setValues(stored, kKeyMode);
    EXPECT_EQ(catcher.texts(), (std::vector<QString>{"Error", "Error"}));
    EXPECT_EQ(Box(&dlg, 5)->text(), "0");
    EXPECT_EQ(Box(&dlg, 21)->text(), "0");
    EXPECT_EQ(Box(&dlg, 6)->text(), "5");
    CEquation expected = stored;
    expected.equationNumber[4] = 0;
    expected.equationNumber[20] = 0;
    EXPECT_EQ(dlg.values(), expected);
}

TEST(EquationSetupDlg, EachModeEnablesItsBoxesAndShowsTheOthers)
{
    const std::pair<int, std::vector<int>> cases[] = {
        {kOneLine, {1, 2, 3, 5, 6, 7, 8, 9, 10}},
        {kThreeLine, {1, 5, 6, 7, 8, 9, 10}},
        {kMp3, {7, 8, 9, 10}},
        {kParallelPort, {1}},
        {kExtended, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {kKeyMode, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    CEquation stored;
    stored.equationNumber[23] = 219;
    for (const auto& [mode, enabled] : cases) {
        CEquationSetupDlg dlg;
        dlg.setValues(stored, mode);
        RunDialog(dlg, [&] {
            std::vector<int> seen;
            for (int key = 1; key <= kKeyCount; ++key) {
                if (Box(&dlg, key)->isEnabled())
                    seen.push_back(key);
            }
            EXPECT_EQ(seen, enabled) << "mode " << mode;
            EXPECT_EQ(Box(&dlg, 24)->text(), "219");
        });
    }
    for (const int everyKey : {int(kMatrix3x8), 7, -2}) {
        CEquationSetupDlg dlg;
        dlg.setValues(stored, everyKey);
        RunDialog(dlg, [&] {
            for (int key = 1; key <= kKeyCount; ++key)
                EXPECT_TRUE(Box(&dlg, key)->isEnabled()) << "mode " << everyKey << " key " << key;
        });
    }
}

TEST(EquationSetupDlg, OnlyCancelEndsWithTheCancelCode)
{
    const std::pair<Ending, int> endings[] = {
        {Ending::CancelButton, CEquationSetupDlg::kCancel},
        {Ending::Escape, CEquationSetupDlg::kDismissed},
        {Ending::CloseBox, CEquationSetupDlg::kDismissed},
        {Ending::Enter, CEquationSetupDlg::kOk},
    };
    for (const auto& [ending, code] : endings) {
        CEquationSetupDlg dlg;
        dlg.setValues(CEquation(), kMp3);
        const int result = RunDialog(dlg, [&] {
            Box(&dlg, 7)->clear();
            TypeText(Box(&dlg, 7), "42");
            EndDialog(dlg, ending, Box(&dlg, 7));
        });
        EXPECT_EQ(result, code);
        // The values are kept however it ends; the caller decides by the code.
        EXPECT_EQ(Value(dlg, 7), 42);
    }
}
