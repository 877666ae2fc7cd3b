#include "UserActions.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// How long a dialog or menu may stay up before the guard takes it down.
constexpr int kGuardTickMs = 100;
constexpr int kStuckTicks = 150;

}  // namespace

StuckWindowGuard::StuckWindowGuard()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* top = QApplication::activePopupWidget();
        if (!top)
            top = QApplication::activeModalWidget();
        if (!top || top != seen_) {
            seen_ = top;
            ticks_ = 0;
            return;
        }
        if (++ticks_ < kStuckTicks)
            return;
        ADD_FAILURE() << "left open: " << top->metaObject()->className() << " \""
                      << top->windowTitle().toStdString() << "\"";
        seen_ = nullptr;
        top->close();
    });
    timer_.start(kGuardTickMs);
}

QAction* MenuItem(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void ClickMenuItem(QMenu* menu, const QString& text)
{
    QAction* item = MenuItem(menu, text);
    if (!item) {
        ADD_FAILURE() << "no menu item " << text.toStdString();
        menu->close();
        return;
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

void ChooseFromMenuBar(QMainWindow& window, const QString& menuTitle, const QString& itemText)
{
    QMenuBar* bar = window.menuBar();
    for (QAction* title : bar->actions()) {
        if (title->text() != menuTitle)
            continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
        QMenu* menu = title->menu();
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000)) {
            ADD_FAILURE() << "menu " << menuTitle.toStdString() << " did not open";
            return;
        }
        ClickMenuItem(menu, itemText);
        return;
    }
    ADD_FAILURE() << "no menu " << menuTitle.toStdString();
}

QPoint RowCentre(const QAbstractItemView& view, int row)
{
    return view.visualRect(view.model()->index(row, 1)).center();
}

void ClickRow(QAbstractItemView& view, int row)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, RowCentre(view, row));
}

void DoubleClickRow(QAbstractItemView& view, int row)
{
    // A double-click is the second press of two.
    const QPoint at = RowCentre(view, row);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
}

void RightClick(QWidget* widget, QPoint at)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, widget->mapTo(top, at));
}

void ChooseInFileDialog(QFileDialog* dialog, const QString& folder, const QString& names)
{
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(field);
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }, 5000)) << "the name field never took the keys";
    // A whole path typed at once may end as what the list had selected
    // while it was typed; a folder with its separator is always entered.
    QTest::keyClicks(field, folder + QLatin1Char('/'));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->directory().absolutePath() == folder; }, 5000))
        << "the file dialog did not enter " << folder.toStdString() << "; it shows " 
        << dialog->directory().absolutePath().toStdString() << ", its name field " << field->text().toStdString();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, names);
    QTest::keyClick(field, Qt::Key_Return);
}

bool Xdotool(const QStringList& arguments, QString* output, int timeoutMs)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    const bool ended = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    if (!ended) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void StartMouseDrag(QProcess& process, QPoint from, QPoint to)
{
    QStringList steps;
    const auto moveTo = [&steps](QPoint p) {
        steps << "mousemove" << QString::number(p.x()) << QString::number(p.y());
    };
    const auto pause = [&steps](const char* seconds) { steps << "sleep" << seconds; };
    moveTo(from);
    pause("0.2");
    steps << "mousedown" << "1";
    pause("0.2");
    // Past the drag distance first, then over to the target in steps, as a
    // hand moves, resting on the target before the release.
    moveTo(from + QPoint(12, 12));
    constexpr int kSteps = 6;
    for (int i = 1; i <= kSteps; ++i) {
        pause("0.05");
        moveTo(from + (to - from) * i / kSteps);
    }
    pause("0.1");
    moveTo(to + QPoint(2, 2));
    pause("0.2");
    steps << "mouseup" << "1";
    process.start(QStringLiteral("xdotool"), steps);
}

void SaveScreenshot(const QString& name)
{
    const QString folder = QStringLiteral(KR_SHOT_DIR);
    QDir().mkpath(folder);
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + name + QStringLiteral(".png"));
}
