#pragma once
// What a user does to the windows in the widget tests and the whole-program
// test: answering the dialogs, message boxes and menus that come up, clicks
// and keys.

#include <functional>
#include <ostream>
#include <type_traits>
#include <vector>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

// While alive, answers each window of type W that comes up (the first
// `times` of them when given), from inside the event loop of the command
// that opened it. Arm it before the gesture that opens the window.
template <class W> class Answer {
public:
    explicit Answer(std::function<void(W*)> act, int times = -1) : act_(std::move(act)), left_(times)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* popup = QApplication::activePopupWidget();
            auto* window = qobject_cast<W*>(popup ? popup : QApplication::activeModalWidget());
            if (!window || !window->isVisible())
                return;
            if (++answered_ == left_)
                timer_.stop();
            // A user answers a dialog once it has come to the front and
            // taken the keys from the window under it.
            if constexpr (std::is_base_of_v<QDialog, W>) {
                if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000))
                    ADD_FAILURE() << "the dialog never came to the front";
            }
            act_(window);
        });
        timer_.start(5);
    }
    int answered() const { return answered_; }

private:
    std::function<void(W*)> act_;
    int left_;
    int answered_ = 0;
    QTimer timer_;
};

// While alive, closes each message box that comes up and keeps its text.
struct MessageCatcher {
    std::vector<QString> texts;
    const Answer<QMessageBox> answer{[this](QMessageBox* box) {
        texts.push_back(box->text());
        box->accept();
    }};
};

// A file dialog's answer: in `folder`, the file `name` (or several, quoted),
// or the folder itself when `name` is empty.
inline std::function<void(QFileDialog*)> ChooseFile(const QString& folder, const QString& name = {})
{
    return [=](QFileDialog* dialog) {
        dialog->setDirectory(folder);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    };
}

// Returned when the steps left the dialog open; the driver then closes it.
constexpr int kStillOpen = -12345;

// Opens `dialog` with exec(), runs `steps` once it shows, and returns the
// dialog's result code.
inline int RunDialog(QDialog& dialog, const std::function<void()>& steps)
{
    QTimer::singleShot(0, &dialog, [&] {
        steps();
        if (dialog.isVisible())
            dialog.done(kStillOpen);
    });
    return dialog.exec();
}

// The window's button (push, radio or check box) with this text; the
// control that the label with this text names.
inline QAbstractButton* ButtonNamed(const QWidget* window, const QString& text)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}
inline QWidget* LabelledControl(const QWidget* window, const QString& text)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->text().compare(text, Qt::CaseInsensitive) == 0)
            return label->buddy();
    return nullptr;
}

// A click near the left edge: check boxes and radio buttons take clicks only
// on their indicator and text, not across the whole width of their row.
inline void Click(QWidget* widget)
{
    ASSERT_TRUE(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
}

// Where a view's row lies, in its viewport; a double-click there, which the
// views act on only after the press that began it.
inline QPoint RowCentre(const QAbstractItemView& view, int row)
{
    return view.visualRect(view.model()->index(row, 1)).center();
}
inline void DoubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

// The ways a user ends a dialog: its "Cancel" button, Escape or Enter
// pressed in `focus`, or the window's close box.
enum class Ending { CancelButton, Escape, Enter, CloseBox };
inline void EndDialog(QDialog& dialog, Ending how, QWidget* focus)
{
    if (how == Ending::CancelButton)
        Click(ButtonNamed(&dialog, QStringLiteral("Cancel")));
    else if (how == Ending::CloseBox)
        dialog.close();
    else
        QTest::keyClick(focus, how == Ending::Escape ? Qt::Key_Escape : Qt::Key_Return);
}

// Test files' paths as Qt takes them; Qt's strings as test messages show them.
inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
