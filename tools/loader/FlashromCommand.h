#pragma once
// How the tool runs flashrom: which program, with which arguments. flashrom
// is always started as a program with an argument list, never by a shell.

#include <QString>
#include <QStringList>

// The flashrom to run: $KR_LOADER_FLASHROM when set (the tests use it to
// stand for a missing flashrom), else flashrom from the search path or from
// the sbin folders, where Debian installs it out of a normal user's path.
QString FlashromProgram();

// -V makes flashrom list each block as it writes it, which drives the
// progress bar. An empty chip lets flashrom identify the chip itself.
QStringList FlashromArguments(const QString& programmer, const QString& chip, const QString& image);

// Reads the whole chip into `file` (flashrom -r).
QStringList FlashromReadArguments(const QString& programmer, const QString& chip, const QString& file);
