#include "DialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

MessageCatcher::MessageCatcher() : timer_(new QTimer)
{
    QObject::connect(timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts_.push_back(box->text());
        box->button(QMessageBox::Ok)->click();
    });
    timer_->start(1);
}

MessageCatcher::~MessageCatcher() { delete timer_; }

void AnswerFileDialog(const QString& folder, const QString& name)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, folder, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->deleteLater();
        dialog->setDirectory(folder);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        field->setText(name);
        PressKey(field, Qt::Key_Return);
    });
    timer->start(5);
}

int RunDialog(QDialog& dialog, const std::function<void()>& steps)
{
    QTimer::singleShot(0, &dialog, [&] {
        steps();
        if (dialog.isVisible())
            dialog.done(kStillOpen);
    });
    return dialog.exec();
}

void PressKey(QWidget* widget, int key) { QTest::keyClick(widget, static_cast<Qt::Key>(key)); }

void TypeText(QWidget* widget, const QString& text) { QTest::keyClicks(widget, text); }

// Near the left edge: check boxes and radio buttons take clicks only on
// their indicator and text, not across the whole width of their row.
void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2)); }

void DoubleClick(QWidget* widget, QPoint at)
{
    // The views act on a double-click only after the press that began it.
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

QAbstractButton* ButtonNamed(QWidget* dialog, const QString& text)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void EndDialog(QDialog& dialog, Ending how, QWidget* focus)
{
    switch (how) {
    case Ending::CancelButton:
        Click(ButtonNamed(&dialog, "Cancel"));
        break;
    case Ending::Escape:
        PressKey(focus, Qt::Key_Escape);
        break;
    case Ending::Enter:
        PressKey(focus, Qt::Key_Return);
        break;
    case Ending::CloseBox:
        dialog.close();
        break;
    }
}
