#include "gui/EditionTranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

namespace {

// Every text of the program is in one translation context.
constexpr const char* kContext = "KR615B";

QString TranslateLine(const QString& line)
{
    const QString whole = QCoreApplication::translate(kContext, line.toUtf8().constData());
    if (whole != line)
        return whole;

    static const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    QStringList numbers;
    QString pattern;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& m : number.globalMatch(line)) {
        numbers << m.captured();
        pattern += line.mid(last, m.capturedStart() - last) + QLatin1Char('%') + QString::number(numbers.size());
        last = m.capturedEnd();
    }
    if (numbers.isEmpty())
        return line;
    pattern += line.mid(last);
    QString translated = QCoreApplication::translate(kContext, pattern.toUtf8().constData());
    if (translated == pattern)
        return line;
    for (const QString& n : numbers)
        translated = translated.arg(n);
    return translated;
}

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

QString DisplayText(const QString& text)
{
    if (text.isEmpty())
        return text;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = TranslateLine(line);
    return lines.join(QLatin1Char('\n'));
}

EditionTranslation::EditionTranslation(QApplication& app) : app_(app)
{
    loaded_ = translator_.load(QStringLiteral(":/translations/kr_app_zh_CN.qm"));
    if (!loaded_)
        return;
    QCoreApplication::installTranslator(&translator_);
    app_.installEventFilter(this);
    // The download tool this edition starts shows its texts in the same language.
    qputenv("KR_EDITION", "zh_CN");
}

EditionTranslation::~EditionTranslation()
{
    if (!loaded_)
        return;
    app_.removeEventFilter(this);
    QCoreApplication::removeTranslator(&translator_);
}

bool EditionTranslation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType())
        TranslateWidget(static_cast<QWidget*>(watched));
    return false;
}
