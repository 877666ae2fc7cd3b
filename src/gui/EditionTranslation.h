#pragma once
// The other-language edition: the same program with every text the user
// sees in Simplified Chinese. Only that edition installs the translation;
// without it DisplayText gives every text back unchanged, so the plain
// edition shows exactly the texts it always has.

#include <QObject>
#include <QString>
#include <QTranslator>

class QApplication;

// A text as the running edition shows it. Each line is looked up whole; a
// line with numbers in it ("Size: 1234 bytes") is also looked up with its
// numbers standing as %1, %2, ... and the numbers put back into the result.
QString DisplayText(const QString& text);

// While it lives, the Simplified Chinese translation is installed and the
// texts of every window, menu and control are translated as it is shown.
// When the translation cannot be loaded the program keeps its own texts.
class EditionTranslation : public QObject {
public:
    explicit EditionTranslation(QApplication& app);
    ~EditionTranslation() override;
    bool loaded() const { return loaded_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QApplication& app_;
    QTranslator translator_;
    bool loaded_ = false;
};
