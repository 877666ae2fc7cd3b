#pragma once
// The other-language edition: the same program with every text the user
// sees in Simplified Chinese. Only that edition installs the translation;
// without it DisplayText gives every text back unchanged, so the plain
// edition shows exactly the texts it always has.

#include <optional>

#include <QObject>
#include <QTranslator>

#include "app/TextCatalogue.h"

class QApplication;

// The catalogue as a translator, so that texts a window asks Qt to translate
// (tr(), QCoreApplication::translate) come from it too, whatever the context.
class CatalogueTranslator : public QTranslator {
public:
    explicit CatalogueTranslator(const TextCatalogue& catalogue) : catalogue_(catalogue) {}
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

private:
    const TextCatalogue& catalogue_;
};

// While it lives, the Simplified Chinese texts are installed: the program's
// own catalogue, and Qt's translation of its standard dialogs and buttons.
// The texts of every window, menu and control are translated as it is
// shown. When the catalogue cannot be read the program keeps its own texts.
class EditionTranslation : public QObject {
public:
    explicit EditionTranslation(QApplication& app);
    ~EditionTranslation() override;
    bool loaded() const { return catalogue_.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QApplication& app_;
    std::optional<TextCatalogue> catalogue_;
    std::optional<CatalogueTranslator> ownTexts_;
    // Qt's own texts: file dialogs, message box buttons.
    QTranslator qtTexts_;
    bool qtTextsLoaded_ = false;
};

// The program's catalogue as built into it.
std::optional<TextCatalogue> BuiltInCatalogue();
