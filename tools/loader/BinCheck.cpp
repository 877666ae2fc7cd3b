#include "BinCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "LoaderText.h"

namespace {

constexpr qint64 kFlashSizeCodeOffset = 30;

bool IsPowerOfTwo(qint64 n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

}  // namespace

QString GroupedNumber(qint64 n)
{
    return QLocale(QLocale::English).toString(n);
}

BinCheck CheckBin(const QString& path)
{
    BinCheck result;
    const QFileInfo file(path);
    if (path.isEmpty()) {
        result.refusal = LoaderText("No BIN chosen. Choose the BIN that Compile wrote next to the project file.");
        return result;
    }
    if (!file.exists()) {
        result.refusal = LoaderText("The file %1 does not exist. Compile the project first, or choose another BIN.")
                             .arg(path);
        return result;
    }
    if (!file.isFile()) {
        result.refusal = LoaderText("%1 is not a file. Choose a BIN file.").arg(path);
        return result;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        result.refusal = LoaderText("The file %1 cannot be read: %2.").arg(path, in.errorString());
        return result;
    }
    const qint64 size = in.size();
    if (!IsPowerOfTwo(size) || size < kSmallestBin || size > kLargestBin) {
        result.refusal = LoaderText("The file %1 is %2 bytes long, which no BIN is: a BIN is a power of two "
                                    "from 262,144 bytes (2M) to 8,388,608 bytes (64M). Choose the BIN that "
                                    "Compile wrote.")
                             .arg(path, GroupedNumber(size));
        return result;
    }
    const QByteArray header = in.read(kFlashSizeCodeOffset + 1);
    if (header.size() != kFlashSizeCodeOffset + 1) {
        result.refusal = LoaderText("The file %1 cannot be read: %2.").arg(path, in.errorString());
        return result;
    }
    if (static_cast<quint8>(header[0]) != 0xFF) {
        result.refusal = LoaderText("The file %1 is not a KR615B BIN: its first byte is 0x%2, not 0xFF. "
                                    "Choose the BIN that Compile wrote.")
                             .arg(path, QStringLiteral("%1").arg(static_cast<quint8>(header[0]), 2, 16,
                                                                  QLatin1Char('0')));
        return result;
    }
    BinInfo info;
    info.path = path;
    info.size = size;
    info.externalMode = static_cast<quint8>(header[1]) == 0x00;
    info.controlModeCode = static_cast<quint8>(header[2]);
    info.flashSizeCode = static_cast<quint8>(header[kFlashSizeCodeOffset]);
    result.info = info;
    return result;
}

QString ControlModeName(int code)
{
    switch (code) {
    case 2:
        return LoaderText("One Line");
    case 3:
        return LoaderText("Three Line");
    case 4:
        return LoaderText("MP3");
    case 5:
        return LoaderText("Key");
    case 7:
        return LoaderText("Extended");
    case 8:
        return LoaderText("3x8 Matrix");
    case 11:
        return LoaderText("Parallel port");
    default:
        return LoaderText("unknown (code 0x%1)").arg(code, 2, 16, QLatin1Char('0'));
    }
}

qint64 FlashSizeBytes(int code)
{
    // Codes 2 to 7 stand for 2M to 64M (megabits), doubling each step.
    if (code < 2 || code > 7)
        return 0;
    return (qint64(1) << (code - 1)) * 131072;
}

QString FlashSizeName(int code)
{
    const qint64 bytes = FlashSizeBytes(code);
    if (bytes == 0)
        return LoaderText("unknown (code 0x%1)").arg(code, 2, 16, QLatin1Char('0'));
    return LoaderText("%1M (%2 bytes)").arg(bytes / 131072).arg(GroupedNumber(bytes));
}
