#pragma once
// Reads flashrom's output as it comes: the lines worth showing, how far the
// write has gone, and the facts the verdict is made from.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

// What flashrom has said so far.
struct FlashromReport {
    qint64 chipBytes = 0;                 // the chip it found
    qint64 imageBytes = 0;                // a refused image's size ...
    qint64 expectedBytes = 0;             // ... and the chip size it wanted
    bool unknownProgrammer = false;
    bool programmerFailed = false;        // the programmer could not be opened
    bool unknownChip = false;             // -c named no chip flashrom knows
    bool noChip = false;                  // the programmer answered, no chip
    QStringList matchingChips;            // several chip types fit the chip's ID
    bool writeFailed = false;
    bool writeChangedNothing = false;     // ... and the chip still holds its old content
    QString verifyFailure;                // e.g. "FAILED at 0x00000000! ..."
    bool verified = false;
    bool alreadyIdentical = false;        // the chip held the image: nothing written, nothing to verify

    bool imageSmallerThanChip() const { return imageBytes > 0 && imageBytes < expectedBytes; }
    bool imageLargerThanChip() const { return imageBytes > expectedBytes && expectedBytes > 0; }
};

class FlashromOutput {
public:
    // Takes the next piece of output. Returns the lines it completed, as they
    // are to be shown: the probe list and the block-by-block write list of
    // the verbose output are left out (the blocks drive progress()).
    QStringList feed(const QByteArray& chunk);
    // The unfinished last line, once flashrom has ended.
    QStringList finish();

    int progress() const;   // 0 to 100
    QString stage() const;  // what flashrom is doing, for the user
    const FlashromReport& report() const { return report_; }

private:
    enum class Stage { Starting, Reading, Writing, Verifying, Done };

    void readLine(const QString& line);
    void followUnfinishedLine();
    // Follows the written blocks in text from `from`; returns where it stopped.
    qsizetype takeBlocks(const QString& text, qsizetype from);

    FlashromReport report_;
    QStringDecoder decoder_{QStringDecoder::System};  // keeps a character split between chunks
    QString pending_;             // the line flashrom is still writing
    qsizetype blocksScanned_ = 0;  // how far pending_ was searched for blocks
    Stage stage_ = Stage::Starting;
    bool readDone_ = false;
    qint64 writtenUpTo_ = 0;      // end of the last block written
};
