#include "gui/EditionTranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QWidget>

namespace {

void TranslateActions(QWidget* widget)
{
    for (QAction* action : widget->actions()) {
        action->setText(DisplayText(action->text()));
        action->setToolTip(DisplayText(action->toolTip()));
    }
}

// Puts the translated texts into a widget that is about to be shown. Texts
// that are translated already stay as they are, so a widget shown twice is
// unchanged the second time.
void TranslateWidget(QWidget* widget)
{
    if (widget->isWindow())
        widget->setWindowTitle(DisplayText(widget->windowTitle()));
    TranslateActions(widget);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(DisplayText(button->text()));
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(DisplayText(label->text()));
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(DisplayText(group->title()));
    else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            combo->setItemText(i, DisplayText(combo->itemText(i)));
    } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
        if (QAbstractItemModel* model = header->model()) {
            const int count = header->orientation() == Qt::Horizontal ? model->columnCount() : model->rowCount();
            for (int i = 0; i < count; ++i) {
                const QString text = model->headerData(i, header->orientation()).toString();
                model->setHeaderData(i, header->orientation(), DisplayText(text));
            }
        }
    }
}

}  // namespace

QString CatalogueTranslator::translate(const char*, const char* sourceText, const char*, int) const
{
    // An empty answer lets the next translator (Qt's own) try.
    return sourceText ? catalogue_.translateLine(QString::fromUtf8(sourceText)).value_or(QString()) : QString();
}

std::optional<TextCatalogue> BuiltInCatalogue()
{
    QFile file(QStringLiteral(":/translations/kr_app_zh_CN.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return TextCatalogue::Read(file);
}

EditionTranslation::EditionTranslation(QApplication& app) : app_(app), catalogue_(BuiltInCatalogue())
{
    if (!catalogue_)
        return;
    InstallTextCatalogue(&*catalogue_);
    qtTextsLoaded_ = qtTexts_.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtTextsLoaded_)
        QCoreApplication::installTranslator(&qtTexts_);
    // Installed last, asked first.
    ownTexts_.emplace(*catalogue_);
    QCoreApplication::installTranslator(&*ownTexts_);
    app_.installEventFilter(this);
    // The download tool this edition starts shows its texts in the same language.
    qputenv("KR_EDITION", "zh_CN");
}

EditionTranslation::~EditionTranslation()
{
    if (!catalogue_)
        return;
    app_.removeEventFilter(this);
    QCoreApplication::removeTranslator(&*ownTexts_);
    if (qtTextsLoaded_)
        QCoreApplication::removeTranslator(&qtTexts_);
    InstallTextCatalogue(nullptr);
}

bool EditionTranslation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType())
        TranslateWidget(static_cast<QWidget*>(watched));
    return false;
}
