#pragma once
// Runs flashrom on one BIN and reports its output, its progress and the
// verdict. Used by the window and by the script mode alike.

#include <memory>
#include <optional>

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "FlashromOutput.h"
#include "Verdict.h"

class FlashWriter : public QObject {
    Q_OBJECT
public:
    explicit FlashWriter(QObject* parent = nullptr);
    ~FlashWriter() override;

    // The BIN must have passed CheckBin. finished() follows once, always.
    void start(const WriteRequest& request);
    // Ends a running flashrom; the verdict says the write was stopped.
    void stop();
    bool running() const { return running_; }

Q_SIGNALS:
    void outputLines(const QStringList& lines);
    void progressChanged(int percent, const QString& stage);
    void finished(const Verdict& verdict);

private:
    void runFlashrom(const QString& image);
    void readOutput();
    void flashromEnded(RunEnd::Kind kind, int exitCode);
    // flashrom takes only images of the chip's size; a BIN smaller than the
    // chip is written as a copy filled up with 0xFF, the erased state.
    std::optional<QString> writePaddedCopy(qint64 chipBytes);
    void finish(const Verdict& verdict);

    QProcess process_;
    FlashromOutput output_;
    WriteRequest request_;
    std::unique_ptr<QTemporaryDir> paddedDir_;
    qint64 paddedTo_ = 0;
    bool running_ = false;
    bool stopping_ = false;
};
