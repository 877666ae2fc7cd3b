#include "Verdict.h"

#include "BinCheck.h"
#include "LoaderText.h"

namespace {

Verdict Failure(const QString& text)
{
    return Verdict{false, text};
}

QString Bytes(qint64 n)
{
    return LoaderText("%1 bytes").arg(GroupedNumber(n));
}

}  // namespace

Verdict JudgeRun(const FlashromReport& report, const RunEnd& end, const WriteRequest& request)
{
    switch (end.kind) {
    case RunEnd::FailedToStart:
        return Failure(LoaderText("flashrom is missing: %1 cannot be started. Install the flashrom package "
                                  "(sudo apt install flashrom) and write again.")
                           .arg(end.program));
    case RunEnd::Stopped:
        return Failure(LoaderText("Stopped: flashrom was ended before it had finished, so the flash may hold "
                                  "part of the BIN. Write again."));
    case RunEnd::Crashed:
        return Failure(LoaderText("flashrom stopped unexpectedly, so the flash may hold part of the BIN. "
                                  "Its output above may say why; write again."));
    case RunEnd::Exited:
        break;
    }
    if (end.exitCode == 0 && (report.verified || report.alreadyIdentical)) {
        // flashrom compares what it read from the chip before it writes; an
        // identical chip is as good as a verified write.
        QString text = report.verified
                           ? LoaderText("Written and verified: %1 (%2).")
                           : LoaderText("Nothing to write: the flash already holds %1 (%2); flashrom "
                                        "compared it byte for byte.");
        text = text.arg(request.binPath, Bytes(request.binBytes));
        if (end.paddedTo > request.binBytes)
            text += LoaderText(" The chip holds %1; after the BIN it holds 0xFF.").arg(Bytes(end.paddedTo));
        return Verdict{true, text};
    }
    if (report.unknownProgrammer)
        return Failure(LoaderText("flashrom does not know the programmer \"%1\". Enter a programmer that "
                                  "flashrom supports, such as ch341a_spi.")
                           .arg(request.programmer));
    if (report.programmerFailed)
        return Failure(LoaderText("No programmer found: flashrom could not open the programmer \"%1\". Plug "
                                  "it in, check that you may use it (member of the plugdev group), check its "
                                  "settings in the programmer text, and write again.")
                           .arg(request.programmer));
    if (report.unknownChip)
        return Failure(LoaderText("flashrom does not know the chip type \"%1\". Leave the chip type empty "
                                  "to let flashrom identify the chip, or enter a name that flashrom -L lists.")
                           .arg(request.chip));
    if (report.noChip)
        return Failure(LoaderText("No flash chip found: the programmer answered but found no chip. Check "
                                  "that the chip sits the right way round in the socket or clip and has "
                                  "power, and write again."));
    if (!report.matchingChips.isEmpty())
        return Failure(LoaderText("The chip answers as several chip types: %1. Enter the one printed on the "
                                  "chip as the chip type and write again.")
                           .arg(report.matchingChips.join(QStringLiteral(", "))));
    if (report.imageLargerThanChip())
        return Failure(LoaderText("Chip too small: the chip holds %1, the BIN has %2. Use a chip of at "
                                  "least %3.")
                           .arg(Bytes(report.expectedBytes), Bytes(report.imageBytes), Bytes(report.imageBytes)));
    if (!report.verifyFailure.isEmpty())
        return Failure(LoaderText("Verify failed: the flash does not hold the BIN (%1). Its content is now "
                                  "unknown. Check the connections and write again.")
                           .arg(report.verifyFailure));
    if (report.writeFailed)
        return Failure(report.writeChangedNothing
                           ? LoaderText("Writing failed, and the chip still holds its old content. Check the "
                                        "connections, especially the write-protect pin, and write again.")
                           : LoaderText("Writing failed, and the chip's content is now unknown. Check the "
                                        "connections, especially the write-protect pin, and write again."));
    if (end.exitCode == 0)
        return Failure(LoaderText("flashrom ended without verifying the write, so the flash may not hold "
                                  "the BIN. Write again."));
    return Failure(LoaderText("flashrom failed (exit status %1); its output above says why.").arg(end.exitCode));
}
