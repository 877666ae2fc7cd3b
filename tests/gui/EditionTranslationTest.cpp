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

TEST(EditionTranslation, PlainEditionKeepsEveryTextAndTheOtherTranslatesLinesAndNumbers)
{
    const std::vector<std::pair<const char*, const char*>> texts = {
        {"BIN File Saved!\nSize: 1234 bytes", "BIN 文件已保存！\n大小：1234 字节"},
        {"12.50 % flash used", "已用闪存 12.50 %"},
        {"Bin File don't fit in flash! Pls select 16M flash", "BIN 文件超出闪存容量！请选择 16M 闪存"},
        // Texts it has no translation for, such as the system's file errors, stay as they are.
        {"Cannot open /tmp/a1.winproj: No such file", "Cannot open /tmp/a1.winproj: No such file"},
    };
    EXPECT_EQ(DisplayText(Text("&New Project")), Text("&New Project"));
    for (const auto& [plain, translated] : texts)
        EXPECT_EQ(DisplayText(Text(plain)), Text(plain));

    EditionTranslation edition(*qApp);
    ASSERT_TRUE(edition.loaded());
    for (const auto& [plain, translated] : texts)
        EXPECT_EQ(DisplayText(Text(plain)), Text(translated)) << plain;
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
