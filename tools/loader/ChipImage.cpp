#include "ChipImage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSettings>

#include "BinCheck.h"
#include "LoaderText.h"
#include "compiler/BinReader.h"
#include "model/RecordNames.h"

namespace {

QSettings Settings()
{
    return QSettings(QStringLiteral("KR615B"), QStringLiteral("Quick.Loader.A3"));
}

const QString kWrittenPath = QStringLiteral("written/path");
const QString kWrittenSize = QStringLiteral("written/size");
const QString kWrittenHash = QStringLiteral("written/sha256");

QByteArray Sha256(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QString Comparison(const QByteArray& chip, const std::optional<WrittenBin>& written)
{
    if (!written)
        return LoaderText("No BIN has been written with this tool yet.");
    const QString path = QDir::toNativeSeparators(written->path);
    return ChipHolds(chip, *written) ? LoaderText("The chip holds the BIN last written: %1").arg(path)
                                     : LoaderText("The chip does NOT hold the BIN last written: %1").arg(path);
}

}  // namespace

void RememberWrittenBin(const QString& path, const QByteArray& content)
{
    QSettings settings = Settings();
    settings.setValue(kWrittenPath, path);
    settings.setValue(kWrittenSize, content.size());
    settings.setValue(kWrittenHash, Sha256(content).toHex());
}

std::optional<WrittenBin> LastWrittenBin()
{
    QSettings settings = Settings();
    if (!settings.contains(kWrittenHash))
        return std::nullopt;
    return WrittenBin{settings.value(kWrittenPath).toString(), settings.value(kWrittenSize).toLongLong(),
                      QByteArray::fromHex(settings.value(kWrittenHash).toByteArray())};
}

bool ChipHolds(const QByteArray& chip, const WrittenBin& written)
{
    if (written.size <= 0 || chip.size() < written.size)
        return false;
    const QByteArrayView rest = QByteArrayView(chip).sliced(written.size);
    return Sha256(QByteArrayView(chip).first(written.size)) == written.sha256 &&
           std::all_of(rest.begin(), rest.end(), [](char c) { return uint8_t(c) == 0xFF; });
}

QString DescribeChipImage(const QByteArray& chip, const std::optional<WrittenBin>& written)
{
    QStringList lines;
    if (std::all_of(chip.begin(), chip.end(), [](char c) { return uint8_t(c) == 0xFF; })) {
        lines << LoaderText("The chip is empty (erased).");
    } else {
        try {
            const BinContents bin = ReadBin(reinterpret_cast<const uint8_t*>(chip.constData()), size_t(chip.size()));
            QStringList equations;
            for (int i = 0; i < kEquationCount; ++i) {
                if (!bin.equations[i].empty())
                    equations << QString::number(i);
            }
            const qsizetype count = equations.size();
            if (count > 24)  // the rest would only make the line unreadable
                equations = equations.first(24) << QStringLiteral("...");
            lines << LoaderText("Mode: %1%2")
                         .arg(LoaderText(kControlModeNames[size_t(bin.options.controlMode)]),
                              bin.options.externalMode ? LoaderText(", external mode") : QString())
                  << LoaderText("Sounds: %1").arg(bin.librarySize())
                  << LoaderText("Equations: %1 (%2)")
                         .arg(count)
                         .arg(equations.isEmpty() ? LoaderText("none") : equations.join(QStringLiteral(", ")))
                  << LoaderText("Flash used: %1 bytes").arg(GroupedNumber(qint64(bin.dataEnd)));
        } catch (const BinFormatError& e) {
            lines << LoaderText("The chip does not hold a KR615B image: %1").arg(QString::fromUtf8(e.what()));
        }
    }
    lines << Comparison(chip, written);
    return lines.join(QLatin1Char('\n'));
}
