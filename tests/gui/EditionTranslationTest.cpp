// The plain edition must show its texts exactly as they are; the other
// edition translates whole lines, lines with numbers in them, and the texts
// of a dialog as it opens.

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>

#include "common/TestFiles.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CAddSilenceDlg.h"
#include "dialogs/CConfirmDlg.h"
#include "dialogs/CEquationSetupDlg.h"
#include "dialogs/CKeySetupDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CPrepareSoundsDlg.h"
#include "dialogs/CSamplingDlg.h"
#include "dialogs/CSoundLibraryDlg.h"
#include "dialogs/CSpokenPromptsDlg.h"
#include "gui/CKR_AppDlg.h"
#include "gui/CListCtrl_Backgroundmusic.h"
#include "gui/CListCtrl_Playlist.h"
#include "gui/CListCtrl_Snd_Lib.h"
#include "gui/EditionTranslation.h"
#include "widgetmain/WidgetDriver.h"

namespace {

// Every text a window and its controls, menus and headers show.
QStringList ShownTexts(QWidget& root)
{
    QStringList texts{root.windowTitle()};
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        texts << widget->toolTip();
        // Actions' tooltips show only on their toolbar buttons, as the
        // buttons' own.
        for (QAction* action : widget->actions())
            texts << action->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model())
            for (int i = 0; i < header->model()->columnCount(); ++i)
                texts << header->model()->headerData(i, Qt::Horizontal).toString();
    }
    return texts;
}

// The views' context menus, which exist only while open.
template <class View> struct WithMenu : View {
    using View::View;
    using View::makeContextMenu;
};

TEST(EditionTranslation, PlainEditionKeepsEveryTextAndTheOtherTranslatesLinesAndNumbers)
{
    const std::vector<std::pair<const char*, const char*>> texts = {
        {"BIN File Saved!\nSize: 1234 bytes", "BIN 文件已保存！\n大小：1234 字节"},
        {"12.50 % flash used", "已用闪存 12.50 %"},
        {"Bin File don't fit in flash! Pls select 16M flash", "BIN 文件超出闪存容量！请选择 16M 闪存"},
        // A frame with data: the path stays, the system's reason is translated.
        {"Cannot open /tmp/a 1.winproj: No such file or directory", "无法打开 /tmp/a 1.winproj：没有那个文件或目录"},
        {"Size 13/256", "大小 13/256"},
        // A file name in a frame stays, even one that reads as a text.
        {"Key 5.winproj - KR615B DadezEvur V1.0", "Key 5.winproj - KR615B DadezEvur V1.0 语音芯片工具"},
        // Texts it has no translation for stay as they are.
        {"Cannot open it", "Cannot open it"},
    };
    EXPECT_EQ(DisplayText("&New Project"), "&New Project");
    for (const auto& [plain, translated] : texts)
        EXPECT_EQ(DisplayText(plain), plain);

    EditionTranslation edition(*qApp);
    ASSERT_TRUE(edition.loaded());
    for (const auto& [plain, translated] : texts)
        EXPECT_EQ(DisplayText(plain), translated) << plain;
    // Translating twice changes nothing more.
    EXPECT_EQ(DisplayText(DisplayText("Empty playlist")), "播放列表已清空");
    // Texts a window asks Qt to translate come from the same catalogue.
    EXPECT_EQ(QCoreApplication::translate("AnyWindow", "Empty playlist"), "播放列表已清空");
}

// Shown while the other edition is installed, a dialog shows every text
// translated (title, buttons, labels, lists, headers); after, as it is.
TEST(EditionTranslation, DialogTextsAreTranslatedWhenShownAndOnlyWhileInstalled)
{
    const auto shownTexts = [](std::unique_ptr<QDialog> dialog) {
        QStringList texts;
        RunDialog(*dialog, [&] { texts = ShownTexts(*dialog); });
        return texts;
    };
    const std::function<std::unique_ptr<QDialog>()> dialogs[] = {
        [] { return std::make_unique<CKeySetupDlg>(); }, [] { return std::make_unique<CAddSilenceDlg>(0); },
        [] { return std::make_unique<CSoundLibraryDlg>(); }};
    for (const auto& make : dialogs) {
        const QStringList plain = ShownTexts(*make());
        QStringList translated;
        {
            EditionTranslation edition(*qApp);
            for (const QString& text : plain)
                translated << DisplayText(text);
            EXPECT_EQ(shownTexts(make()), translated);
        }
        EXPECT_NE(translated, plain);
        EXPECT_EQ(shownTexts(make()), plain);
    }
}

// A text added to a window, a menu or a dialog without its translation fails
// here, whoever adds it.
TEST(EditionTranslation, EveryTextOfTheWindowsAndMenusIsInTheCatalogue)
{
    const std::optional<TextCatalogue> catalogue = BuiltInCatalogue();
    ASSERT_TRUE(catalogue);
    ScratchDir folder;
    CKR_AppDlg window(folder.path() + "/");
    QStringList texts = ShownTexts(window);
    texts << ShownTexts(*WithMenu<CListCtrl_Snd_Lib>(window.session()).makeContextMenu())
          << ShownTexts(*WithMenu<CListCtrl_Playlist>(window.session()).makeContextMenu())
          << ShownTexts(*WithMenu<CListCtrl_Backgroundmusic>(window.session()).makeContextMenu());

    const std::unique_ptr<QDialog> dialogs[] = {
        std::make_unique<CAboutDlg>(), std::make_unique<CAddSilenceDlg>(0), std::make_unique<CConfirmDlg>(),
        std::make_unique<CEquationSetupDlg>(), std::make_unique<COptionsDlg>(), std::make_unique<CSamplingDlg>(22000),
        std::make_unique<CSoundLibraryDlg>(), std::make_unique<CPrepareSoundsDlg>(true),
        std::make_unique<CSpokenPromptsDlg>(std::vector<SpeechVoice>{}, true, nullptr)};
    for (const std::unique_ptr<QDialog>& dialog : dialogs)
        texts << ShownTexts(*dialog);
    CKeySetupDlg keys;
    // Each mode names its keys' functions differently.
    for (int mode = kOneLine; mode <= kKeyMode; ++mode) {
        keys.setKeys(CKey{}, mode);
        texts << ShownTexts(keys);
    }

    QStringList missing;
    for (const QString& text : texts)
        if (!catalogue->covers(text) && !missing.contains(text))
            missing << text;
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QStringLiteral(" | ")).toStdString();
}

}  // namespace
