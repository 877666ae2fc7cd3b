#pragma once
// Runs a dialog modally while a test drives it, and answers the message
// boxes it shows.

#include <QAbstractButton>
#include <QString>

#include <functional>
#include <vector>

class QDialog;
class QTimer;
class QWidget;

// While alive, closes every message box that opens (with its OK button) and
// remembers what it said.
class MessageCatcher {
public:
    MessageCatcher();
    ~MessageCatcher();
    const std::vector<QString>& texts() const { return texts_; }

private:
    QTimer* timer_;
    std::vector<QString> texts_;
};

// Answers the next file dialog that opens: in `folder`, the file `name`, or
// the folder itself when `name` is empty.
void AnswerFileDialog(const QString& folder, const QString& name = {});

// Returned when the steps left the dialog open; the driver then closes it.
constexpr int kStillOpen = -12345;

// Opens `dialog` with exec(), runs `steps` once it shows, and returns the
// dialog's result code.
int RunDialog(QDialog& dialog, const std::function<void()>& steps);

// Key presses and clicks as the user makes them.
void PressKey(QWidget* widget, int key);
void TypeText(QWidget* widget, const QString& text);
void Click(QWidget* widget);
void DoubleClick(QWidget* widget, QPoint at);

// The ways a user ends a dialog: its "Cancel" button, Escape or Enter
// pressed in `focus`, or the window's close box.
enum class Ending { CancelButton, Escape, Enter, CloseBox };
void EndDialog(QDialog& dialog, Ending how, QWidget* focus);

// The dialog's button (push, radio or check box) with this text.
QAbstractButton* ButtonNamed(QWidget* dialog, const QString& text);
