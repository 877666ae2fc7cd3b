#pragma once
// What a user does to the running desktop program, for the whole-program
// test: answering the dialogs and menus that come up, clicks through the
// window, the real mouse and keyboard through xdotool, pictures of the screen.

#include <functional>
#include <type_traits>

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

class QAbstractItemView;
class QFileDialog;
class QMainWindow;
class QProcess;

// Answers the next window of type W (a dialog or a popup menu) that comes up,
// once, from inside the event loop of the command that opened it. Arm it
// before the gesture that opens the window.
template <class W> class Answer {
public:
    explicit Answer(std::function<void(W*)> act) : act_(std::move(act))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* top = QApplication::activePopupWidget();
            if (!top)
                top = QApplication::activeModalWidget();
            auto* window = qobject_cast<W*>(top);
            if (!window || !window->isVisible())
                return;
            timer_.stop();
            answered_ = true;
            // A user answers a dialog once it has come to the front and
            // taken the keys from the window under it.
            if constexpr (std::is_base_of_v<QDialog, W>) {
                if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000))
                    ADD_FAILURE() << "the dialog never came to the front";
            }
            act_(window);
        });
        timer_.start(10);
    }
    bool answered() const { return answered_; }

private:
    std::function<void(W*)> act_;
    QTimer timer_;
    bool answered_ = false;
};

// Fails the test on a dialog or menu that stays up unanswered, and closes it,
// so that a road that went wrong ends instead of waiting for ever.
class StuckWindowGuard {
public:
    StuckWindowGuard();

private:
    QTimer timer_;
    QWidget* seen_ = nullptr;
    int ticks_ = 0;
};

// The item of `menu` with this text (mnemonic included), or nullptr; a click
// on it; a click on a menu bar title, then on its item.
QAction* MenuItem(QMenu* menu, const QString& text);
void ClickMenuItem(QMenu* menu, const QString& text);
void ChooseFromMenuBar(QMainWindow& window, const QString& menuTitle, const QString& itemText);

// Where a view's row lies, in its viewport; a click, a double-click on it.
QPoint RowCentre(const QAbstractItemView& view, int row);
void ClickRow(QAbstractItemView& view, int row);
void DoubleClickRow(QAbstractItemView& view, int row);
// A right click through the widget's window, so that Qt makes the context
// menu as of a real click.
void RightClick(QWidget* widget, QPoint at);

// Answers a file dialog as a user types into its name field: the folder
// first, then, over what the field holds, the name or the quoted names.
void ChooseInFileDialog(QFileDialog* dialog, const QString& folder, const QString& names);

// Runs xdotool and waits, keeping the event loop going, for at most
// `timeoutMs`; false when it failed or did not end in time.
bool Xdotool(const QStringList& arguments, QString* output = nullptr, int timeoutMs = 20000);
// Drags with the real mouse from one point of the screen to another, the
// button held over several moves. Returns at once: xdotool runs in
// `process` while the caller keeps the event loop going.
void StartMouseDrag(QProcess& process, QPoint from, QPoint to);

// Saves a picture of the whole screen as KR_SHOT_DIR/name.png.
void SaveScreenshot(const QString& name);

// Test messages show Qt's strings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
