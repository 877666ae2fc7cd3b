#include "FlashromOutput.h"

#include <algorithm>

#include <QRegularExpression>

#include "LoaderText.h"

namespace {

// Where each stage starts on the progress bar. Reading and verifying both
// read the whole chip; erasing and writing takes longest.
constexpr int kReadingStarts = 5;
constexpr int kWritingStarts = 20;
constexpr int kVerifyingStarts = 80;

const QString kReadingMark = QStringLiteral("Reading old flash chip contents...");
const QString kWritingMark = QStringLiteral("Erasing and writing flash chip...");
const QString kWriteDoneMark = QStringLiteral("Erase/write done.");
const QString kVerifyingMark = QStringLiteral("Verifying flash...");

const QRegularExpression& BlockPattern()
{
    // One block of the verbose write list: "0x001000-0x001fff:W".
    static const QRegularExpression pattern(QStringLiteral("0x([0-9a-fA-F]+)-0x([0-9a-fA-F]+):[A-Z]+"));
    return pattern;
}

}  // namespace

QStringList FlashromOutput::feed(const QByteArray& chunk)
{
    static const QRegularExpression blockEntry(QStringLiteral("\\s*0x[0-9a-fA-F]+-0x[0-9a-fA-F]+:[A-Z]+,?"));
    pending_ += decoder_.decode(chunk);
    QStringList shown;
    qsizetype newline;
    while ((newline = pending_.indexOf(QLatin1Char('\n'))) >= 0) {
        QString line = pending_.left(newline);
        pending_.remove(0, newline + 1);
        readLine(line);
        takeBlocks(line, blocksScanned_);
        blocksScanned_ = 0;
        if (line.startsWith(QLatin1String("Probing for ")))
            continue;
        line.remove(blockEntry);
        line.remove(QLatin1Char('\r'));
        shown << line;
    }
    followUnfinishedLine();
    return shown;
}

QStringList FlashromOutput::finish()
{
    if (pending_.isEmpty())
        return {};
    return feed(QByteArrayLiteral("\n"));
}

void FlashromOutput::followUnfinishedLine()
{
    // flashrom ends a stage's line only when the stage is over; the stage
    // marks and the written blocks are followed while the line grows.
    if (pending_.contains(kReadingMark))
        stage_ = std::max(stage_, Stage::Reading);
    if (pending_.contains(kWritingMark))
        stage_ = std::max(stage_, Stage::Writing);
    if (pending_.contains(kVerifyingMark))
        stage_ = std::max(stage_, Stage::Verifying);
    blocksScanned_ = takeBlocks(pending_, blocksScanned_);
}

qsizetype FlashromOutput::takeBlocks(const QString& text, qsizetype from)
{
    if (stage_ != Stage::Writing)
        return from;
    for (auto blocks = BlockPattern().globalMatch(text, from); blocks.hasNext();) {
        const QRegularExpressionMatch block = blocks.next();
        writtenUpTo_ = std::max(writtenUpTo_, block.captured(2).toLongLong(nullptr, 16) + 1);
        from = block.capturedEnd();
    }
    return from;
}

void FlashromOutput::readLine(const QString& line)
{
    static const QRegularExpression found(QStringLiteral("^Found .* flash chip \".*\" \\((\\d+) kB"));
    static const QRegularExpression sizeMismatch(
        QStringLiteral("Image size \\((\\d+) B\\) doesn't match the expected size \\((\\d+) B\\)"));
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));

    if (const auto m = found.match(line); m.hasMatch())
        report_.chipBytes = m.captured(1).toLongLong() * 1024;
    if (const auto m = sizeMismatch.match(line); m.hasMatch()) {
        report_.imageBytes = m.captured(1).toLongLong();
        report_.expectedBytes = m.captured(2).toLongLong();
    }
    if (line.contains(QLatin1String("Unknown programmer")))
        report_.unknownProgrammer = true;
    if (line.contains(QLatin1String("Programmer initialization failed")) ||
        line.contains(QLatin1String("Couldn't open device")))
        report_.programmerFailed = true;
    if (line.contains(QLatin1String("Unknown chip")))
        report_.unknownChip = true;
    if (line.contains(QLatin1String("No EEPROM/flash device found")))
        report_.noChip = true;
    if (line.startsWith(QLatin1String("Multiple flash chip definitions match"))) {
        report_.matchingChips.clear();
        for (auto names = quoted.globalMatch(line); names.hasNext();)
            report_.matchingChips << names.next().captured(1);
    }
    if (line.contains(QLatin1String("Chip content is identical to the requested image")))
        report_.alreadyIdentical = true;
    if (line.contains(QLatin1String("Erase/write failed")))
        report_.writeFailed = true;
    if (line.contains(QLatin1String("apparently didn't do anything")))
        report_.writeChangedNothing = true;

    if (line.contains(kReadingMark)) {
        stage_ = std::max(stage_, Stage::Reading);
        readDone_ = readDone_ || line.contains(QLatin1String("done."));
    }
    if (line.contains(kWritingMark))
        stage_ = std::max(stage_, Stage::Writing);
    if (line.contains(kWriteDoneMark)) {
        stage_ = std::max(stage_, Stage::Writing);
        writtenUpTo_ = std::max(writtenUpTo_, report_.chipBytes);
    }
    if (const qsizetype at = line.indexOf(kVerifyingMark); at >= 0) {
        stage_ = std::max(stage_, Stage::Verifying);
        const QString result = line.mid(at + kVerifyingMark.size()).trimmed();
        if (result.startsWith(QLatin1String("VERIFIED"))) {
            report_.verified = true;
            stage_ = Stage::Done;
        } else if (result.startsWith(QLatin1String("FAILED"))) {
            report_.verifyFailure = result;
        }
    }
}

int FlashromOutput::progress() const
{
    switch (stage_) {
    case Stage::Starting:
        return 0;
    case Stage::Reading:
        return readDone_ ? kWritingStarts : kReadingStarts;
    case Stage::Writing: {
        if (report_.chipBytes <= 0)
            return kWritingStarts;
        const qint64 span = kVerifyingStarts - kWritingStarts;
        const qint64 done = std::min(writtenUpTo_, report_.chipBytes);
        return kWritingStarts + static_cast<int>(span * done / report_.chipBytes);
    }
    case Stage::Verifying:
        return kVerifyingStarts;
    case Stage::Done:
        return 100;
    }
    return 0;
}

QString FlashromOutput::stage() const
{
    switch (stage_) {
    case Stage::Starting:
        return LoaderText("Looking for the programmer and the chip");
    case Stage::Reading:
        return LoaderText("Reading the chip");
    case Stage::Writing:
        return LoaderText("Erasing and writing");
    case Stage::Verifying:
        return LoaderText("Verifying");
    case Stage::Done:
        return LoaderText("Verified");
    }
    return {};
}
