#pragma once
// What Read Chip tells of the image read from the flash: what the BIN reader
// finds in it, and whether it is the BIN this tool last wrote.

#include <optional>

#include <QByteArray>
#include <QString>

// The BIN of the last write flashrom verified, as it was then.
struct WrittenBin {
    QString path;
    qint64 size = 0;
    QByteArray sha256;
};

void RememberWrittenBin(const QString& path, const QByteArray& content);
std::optional<WrittenBin> LastWrittenBin();

// Whether the chip holds `written`: its bytes, then 0xFF (the write fills a
// chip larger than the BIN with the erased state).
bool ChipHolds(const QByteArray& chip, const WrittenBin& written);

// Lines for the user: mode, sounds, equations, and the comparison.
QString DescribeChipImage(const QByteArray& chip, const std::optional<WrittenBin>& written);
