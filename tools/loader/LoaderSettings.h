#pragma once
// The choices the tool remembers between runs, in its own settings file.

#include <QString>

inline const QString kDefaultProgrammer = QStringLiteral("ch341a_spi");

struct LoaderChoices {
    QString programmer = kDefaultProgrammer;  // flashrom's -p
    QString chip;                             // flashrom's -c; empty: found by probing
};

LoaderChoices LoadChoices();
void SaveChoices(const LoaderChoices& choices);
