#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CAddSilenceDlg.h"
#include "dialogs/CConfirmDlg.h"
#include "dialogs/CSamplingDlg.h"
#include "dialogs/CSoundLibraryDlg.h"

namespace {

struct SilenceAnswer {
    int result;
    std::vector<QString> messages;
};

// Types `amount`, picks the unit and presses OK once.
SilenceAnswer AddSilence(const QString& amount, int unitIndex, int equationSize = 0)
{
    CAddSilenceDlg dlg(equationSize);
    MessageCatcher catcher;
    const int result = RunDialog(dlg, [&] {
        EXPECT_EQ(dlg.findChild<QLineEdit*>()->text(), "");
        EXPECT_EQ(dlg.findChild<QComboBox*>()->currentText(), "10ms");
        TypeText(dlg.findChild<QLineEdit*>(), amount);
        dlg.findChild<QComboBox*>()->setCurrentIndex(unitIndex);
        Click(ButtonNamed(&dlg, "OK"));
    });
    for (const ShownMessage& m : catcher.messages())
        EXPECT_EQ(m.caption, "test_dialogs");
    return {result, catcher.texts()};
}

const QString kOutOfRange255 = "Out of range! (1 - 255)";
const QString kOutOfRange10 = "Out of range! (1 - 10)";

CSound Sound(const std::string& name, int rate)
{
    CSound s;
    s.kind = CSound::kSoundFile;
    s.name = name;
    s.sampleRate = rate;
    s.lengthMs = 1500;
    return s;
}

CSoundList Library(int sounds)
{
    CSoundList library;
    for (int i = 0; i < sounds; ++i)
        library.append(Sound("s" + std::to_string(i) + ".wav", 8000));
    return library;
}

QStringList Rows(const CSamplingDlg& dlg)
{
    QStringList rows;
    auto* list = dlg.findChild<QListWidget*>();
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

void DoubleClickRow(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    DoubleClick(list->viewport(), rect.center());
}

}  // namespace

TEST(AddSilenceDlg, LengthsInTensOfMsAndSeconds)
{
    EXPECT_EQ(AddSilence("255", 0).result, 2550);
    EXPECT_EQ(AddSilence("1", 0).result, 10);
    EXPECT_EQ(AddSilence("10", 1).result, 10000);
    EXPECT_EQ(AddSilence("1", 1).result, 1000);
    EXPECT_EQ(AddSilence("  7 ms", 0).result, 70);
}

TEST(AddSilenceDlg, OutOfRangeAmountsKeepTheDialogOpen)
{
    for (const QString amount : {"256", "0", "", "abc", "-5", "99999999999"}) {
        const SilenceAnswer answer = AddSilence(amount, 0);
        EXPECT_EQ(answer.result, kStillOpen) << amount.toStdString();
        EXPECT_EQ(answer.messages, std::vector<QString>{kOutOfRange255}) << amount.toStdString();
    }
    for (const QString amount : {"11", "300", "0", "4294967297"}) {
        const SilenceAnswer answer = AddSilence(amount, 1);
        EXPECT_EQ(answer.result, kStillOpen) << amount.toStdString();
        EXPECT_EQ(answer.messages, std::vector<QString>{kOutOfRange10}) << amount.toStdString();
    }
}

TEST(AddSilenceDlg, AFullPlaylistTakesNoSilence)
{
    EXPECT_EQ(AddSilence("5", 0, 255).result, 50);
    const SilenceAnswer full = AddSilence("5", 0, 256);
    EXPECT_EQ(full.result, kStillOpen);
    EXPECT_EQ(full.messages, std::vector<QString>{"Playlist full!"});
    EXPECT_EQ(AddSilence("300", 0, 256).messages, std::vector<QString>{kOutOfRange255});
}

TEST(AddSilenceDlg, CancelEscapeAndTheCloseBoxCancel)
{
    for (const Ending ending : {Ending::CancelButton, Ending::Escape, Ending::CloseBox}) {
        CAddSilenceDlg dlg(0);
        const int result = RunDialog(dlg, [&] {
            TypeText(dlg.findChild<QLineEdit*>(), "10");
            EndDialog(dlg, ending, dlg.findChild<QLineEdit*>());
        });
        EXPECT_EQ(result, CAddSilenceDlg::kCancelled);
    }
    // Enter in the box presses OK.
    CAddSilenceDlg dlg(0);
    EXPECT_EQ(RunDialog(dlg, [&] {
        TypeText(dlg.findChild<QLineEdit*>(), "3");
        PressKey(dlg.findChild<QLineEdit*>(), Qt::Key_Return);
    }),
              30);
}

TEST(ConfirmDlg, OnlyOkConfirms)
{
    CConfirmDlg ok;
    EXPECT_EQ(ok.windowTitle(), "Confirm ?");
    EXPECT_EQ(ok.findChild<QLabel*>()->text(), "Confirm Delete ?");
    EXPECT_EQ(RunDialog(ok, [&] { PressKey(ButtonNamed(&ok, "OK"), Qt::Key_Return); }), CConfirmDlg::kConfirmed);
    for (const Ending ending : {Ending::CancelButton, Ending::Escape, Ending::CloseBox}) {
        CConfirmDlg dlg;
        const int result = RunDialog(dlg, [&] {
            EndDialog(dlg, ending, ButtonNamed(&dlg, "OK"));
        });
        EXPECT_NE(result, CConfirmDlg::kConfirmed);
        EXPECT_NE(result, kStillOpen);
    }
}

TEST(SoundLibraryDlg, ShowsTheLibraryInTheViewsFormat)
{
    CSoundList library;
    CSound stereo = Sound("voice.wav", 16000);
    stereo.stereo = 1;
    library.append(stereo);
    library.append(Sound("b.wav", 8000));
    CSoundLibraryDlg dlg;
    dlg.setLibrary(library);
    auto* list = dlg.findChild<QTableWidget*>();
    ASSERT_EQ(list->rowCount(), 2);
    ASSERT_EQ(list->columnCount(), 6);
    QStringList first, headers;
    for (int column = 0; column < 6; ++column) {
        first << list->item(0, column)->text();
        headers << list->horizontalHeaderItem(column)->text();
    }
    EXPECT_EQ(first, (QStringList{"001", "voice.wav", "16000 Hz", "16 Bit", "STEREO", "1500 ms"}));
    EXPECT_EQ(list->item(1, 4)->text(), "MONO");
    EXPECT_EQ(headers, (QStringList{"No.", "Wav/MP3/WMA", "Sampling rate", "Bit", "Track", "Time"}));
    EXPECT_EQ(list->columnWidth(0), 30);
    EXPECT_EQ(list->columnWidth(2), 120);
    EXPECT_TRUE(list->showGrid());
}

TEST(SoundLibraryDlg, ReturnsTheLowestSelectedRowOrCancels)
{
    CSoundLibraryDlg dlg;
    dlg.setLibrary(Library(10));
    auto* list = dlg.findChild<QTableWidget*>();
    const int picked = RunDialog(dlg, [&] {
        list->selectRow(7);
        list->selectionModel()->select(list->model()->index(3, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        Click(ButtonNamed(&dlg, "OK"));
    });
    EXPECT_EQ(picked, 3);

    CSoundLibraryDlg twice;
    twice.setLibrary(Library(10));
    auto* rows = twice.findChild<QTableWidget*>();
    EXPECT_EQ(RunDialog(twice, [&] {
        const QRect cell = rows->visualRect(rows->model()->index(0, 1));
        DoubleClick(rows->viewport(), cell.center());
    }),
              0);

    CSoundLibraryDlg none;
    none.setLibrary(Library(3));
    EXPECT_EQ(RunDialog(none, [&] { Click(ButtonNamed(&none, "OK")); }), CSoundLibraryDlg::kCancelled);
    CSoundLibraryDlg empty;
    EXPECT_EQ(RunDialog(empty, [&] { Click(ButtonNamed(&empty, "OK")); }), CSoundLibraryDlg::kCancelled);
    CSoundLibraryDlg escaped;
    escaped.setLibrary(Library(3));
    auto* escapedList = escaped.findChild<QTableWidget*>();
    EXPECT_EQ(RunDialog(escaped, [&] {
        escapedList->selectRow(1);
        PressKey(escapedList, Qt::Key_Escape);
    }),
              CSoundLibraryDlg::kCancelled);
}

TEST(SamplingDlg, OffersTheCandidatesUpToTheHighestRate)
{
    EXPECT_EQ(Rows(CSamplingDlg(8000)), (QStringList{"4000", "6000", "8000", ""}));
    EXPECT_EQ(Rows(CSamplingDlg(5000)), (QStringList{"4000", ""}));
    EXPECT_EQ(Rows(CSamplingDlg(3000)), (QStringList{""}));
    EXPECT_EQ(Rows(CSamplingDlg(22000)).size(), 11);
    EXPECT_EQ(Rows(CSamplingDlg(1000000)).size(), 11);
    EXPECT_FALSE(CSamplingDlg(8000).findChild<QAbstractButton*>());
}

TEST(SamplingDlg, ADoubleClickChoosesARateAndTheEmptyRowCancels)
{
    CSamplingDlg dlg(22000);
    auto* list = dlg.findChild<QListWidget*>();
    EXPECT_EQ(RunDialog(dlg, [&] { DoubleClickRow(list, 1); }), CSamplingDlg::kChosen);
    EXPECT_EQ(dlg.chosenRate(), 6000);

    CSamplingDlg empty(8000);
    auto* emptyList = empty.findChild<QListWidget*>();
    EXPECT_EQ(RunDialog(empty, [&] { DoubleClickRow(emptyList, 3); }), CSamplingDlg::kCancelled);
    EXPECT_EQ(empty.chosenRate(), 0);
}

// Enter confirms the rate selected in the list: a rate, never a row index.
TEST(SamplingDlg, EnterConfirmsTheSelectedRate)
{
    CSamplingDlg dlg(22000);
    auto* list = dlg.findChild<QListWidget*>();
    EXPECT_EQ(RunDialog(dlg, [&] {
        list->setCurrentRow(4);
        PressKey(list, Qt::Key_Return);
    }),
              CSamplingDlg::kChosen);
    EXPECT_EQ(dlg.chosenRate(), 12000);

    CSamplingDlg nothing(22000);
    EXPECT_EQ(RunDialog(nothing, [&] { PressKey(nothing.findChild<QListWidget*>(), Qt::Key_Enter); }), kStillOpen);

    CSamplingDlg emptyRow(8000);
    auto* emptyList = emptyRow.findChild<QListWidget*>();
    EXPECT_EQ(RunDialog(emptyRow, [&] {
        emptyList->setCurrentRow(3);
        PressKey(emptyList, Qt::Key_Return);
    }),
              CSamplingDlg::kCancelled);
}

TEST(SamplingDlg, EscapeAndTheCloseBoxCancel)
{
    CSamplingDlg escaped(22000);
    auto* list = escaped.findChild<QListWidget*>();
    EXPECT_EQ(RunDialog(escaped, [&] {
        list->setCurrentRow(2);
        PressKey(list, Qt::Key_Escape);
    }),
              CSamplingDlg::kCancelled);
    CSamplingDlg closed(22000);
    EXPECT_EQ(RunDialog(closed, [&] { closed.close(); }), CSamplingDlg::kCancelled);
}

TEST(AboutDlg, ShowsTheProductAndCloses)
{
    CAboutDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "About KR615B DadezEvur V1.0");
    QStringList texts;
    for (QLabel* label : dlg.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("KR615B DadezEvur V1.0"));
    EXPECT_EQ(RunDialog(dlg, [&] { Click(ButtonNamed(&dlg, "OK")); }), QDialog::Accepted);
}
