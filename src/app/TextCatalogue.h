#pragma once
// The other edition's texts: every text the program shows, with its
// translation, read from the program's Qt Linguist file. A text made of a
// fixed frame and data ("Cannot open %1: %2", "Size %1/%2") is found by its
// frame: the catalogue's texts with %1, %2, ... in them match any line of
// that shape, and the data are put into the translated frame.
//
// The plain edition installs no catalogue, and DisplayText gives every text
// back unchanged, so it shows exactly the texts it always has.

#include <optional>
#include <vector>

#include <QHash>
#include <QRegularExpression>
#include <QString>

class QIODevice;

class TextCatalogue {
public:
    // The finished translations of a .ts file; nothing when it cannot be
    // read as one.
    static std::optional<TextCatalogue> Read(QIODevice& file);

    // One line translated, nothing when the catalogue has no text for it.
    std::optional<QString> translateLine(const QString& line) const;
    // Whether every line of `text` is translated or holds no words.
    bool covers(const QString& text) const;

private:
    struct Frame {
        QRegularExpression shape;  // the source text, each %n standing for any text
        QString translation;
        int fixedLength;           // the more fixed text, the better the match
    };
    void add(const QString& source, const QString& translation);

    QHash<QString, QString> lines_;
    std::vector<Frame> frames_;
};

// Makes `catalogue` the one DisplayText uses (nullptr: none). The caller
// keeps it alive while it is installed.
void InstallTextCatalogue(const TextCatalogue* catalogue);

// A text as the running edition shows it, line by line.
QString DisplayText(const QString& text);
