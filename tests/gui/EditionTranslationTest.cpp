// The plain edition must show its texts exactly as they are; the other
// edition translates whole lines, lines with numbers in them, and the texts
// of a dialog as it opens.

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "dialogs/COptionsDlg.h"
#include "gui/EditionTranslation.h"

namespace {

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(EditionTranslation, PlainEditionKeepsEveryText)
{
    for (const char* text : {"Sound Library full!", "BIN File Saved!\nSize: 1234 bytes", "&New Project", "12.50 % flash used"})
        EXPECT_EQ(DisplayText(Text(text)), Text(text));
}

TEST(EditionTranslation, OtherEditionTranslatesLinesAndNumbers)
{
    EditionTranslation edition(*qApp);
    ASSERT_TRUE(edition.loaded());

    EXPECT_EQ(DisplayText(Text("Sound Library full!")), Text("声音库已满！"));
    EXPECT_EQ(DisplayText(Text("BIN File Saved!\nSize: 1234 bytes")), Text("BIN 文件已保存！\n大小：1234 字节"));
    EXPECT_EQ(DisplayText(Text("12.50 % flash used")), Text("已用闪存 12.50 %"));
    EXPECT_EQ(DisplayText(Text("Bin File don't fit in flash! Pls select 16M flash")),
              Text("BIN 文件超出闪存容量！请选择 16M 闪存"));
    // Texts it has no translation for, such as the system's file errors,
    // stay as they are.
    EXPECT_EQ(DisplayText(Text("Cannot open /tmp/a1.winproj: No such file")), Text("Cannot open /tmp/a1.winproj: No such file"));
    // Translating twice changes nothing more.
    EXPECT_EQ(DisplayText(DisplayText(Text("Empty playlist"))), Text("播放列表已清空"));
}

TEST(EditionTranslation, DialogTextsAreTranslatedWhenShownAndOnlyWhileInstalled)
{
    auto shownTexts = [] {
        COptionsDlg dialog;
        QString title;
        QString box;
        QTimer::singleShot(0, &dialog, [&] {
            title = dialog.windowTitle();
            for (QCheckBox* check : dialog.findChildren<QCheckBox*>())
                if (check->text().contains(Text("External")) || check->text().contains(Text("外部")))
                    box = check->text();
            dialog.reject();
        });
        dialog.exec();
        return std::make_pair(title, box);
    };
    {
        EditionTranslation edition(*qApp);
        EXPECT_EQ(shownTexts(), std::make_pair(Text("选项"), Text("外部模式")));
    }
    EXPECT_EQ(shownTexts(), std::make_pair(Text("Options"), Text("External Mode")));
}

}  // namespace
