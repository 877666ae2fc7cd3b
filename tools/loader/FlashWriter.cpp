#include "FlashWriter.h"

#include <QFile>
#include <QFileInfo>

#include "BinCheck.h"
#include "ChipImage.h"
#include "FlashromCommand.h"
#include "LoaderText.h"

FlashWriter::FlashWriter(QObject* parent) : QObject(parent)
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
    connect(&process_, &QProcess::readyRead, this, &FlashWriter::readOutput);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            flashromEnded(RunEnd::FailedToStart, -1);
    });
    connect(&process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        flashromEnded(status == QProcess::CrashExit ? RunEnd::Crashed : RunEnd::Exited, exitCode);
    });
}

FlashWriter::~FlashWriter()
{
    // A flashrom left running would go on writing with nobody to tell.
    if (process_.state() != QProcess::NotRunning) {
        process_.disconnect(this);
        process_.kill();
        process_.waitForFinished();
    }
}

void FlashWriter::start(const WriteRequest& request)
{
    request_ = request;
    paddedDir_.reset();
    paddedTo_ = 0;
    stopping_ = false;
    running_ = true;
    runFlashrom(request.binPath);
}

void FlashWriter::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    stopping_ = true;
    process_.kill();
}

void FlashWriter::runFlashrom(const QString& image)
{
    output_ = FlashromOutput();
    Q_EMIT progressChanged(output_.progress(), output_.stage());
    process_.start(FlashromProgram(), FlashromArguments(request_.programmer, request_.chip, image));
    process_.closeWriteChannel();
}

void FlashWriter::readOutput()
{
    const QStringList lines = output_.feed(process_.readAll());
    if (!lines.isEmpty())
        Q_EMIT outputLines(lines);
    Q_EMIT progressChanged(output_.progress(), output_.stage());
}

void FlashWriter::flashromEnded(RunEnd::Kind kind, int exitCode)
{
    if (!running_)
        return;
    if (kind != RunEnd::FailedToStart)
        readOutput();
    if (const QStringList last = output_.finish(); !last.isEmpty())
        Q_EMIT outputLines(last);
    const FlashromReport& report = output_.report();
    if (kind == RunEnd::Exited && !stopping_ && paddedTo_ == 0 && report.imageSmallerThanChip()) {
        const qint64 chipBytes = report.expectedBytes;
        if (const std::optional<QString> failure = writePaddedCopy(chipBytes)) {
            finish(Verdict{false, *failure});
            return;
        }
        paddedTo_ = chipBytes;
        Q_EMIT outputLines({QString(), LoaderText("The chip holds %1 bytes, the BIN %2: writing the BIN "
                                                  "followed by 0xFF up to the chip's size.")
                                           .arg(GroupedNumber(chipBytes), GroupedNumber(request_.binBytes)),
                            QString()});
        // Started from the event loop, not from inside QProcess's own signal.
        QMetaObject::invokeMethod(
            this, [this] { runFlashrom(paddedDir_->filePath(QFileInfo(request_.binPath).fileName())); },
            Qt::QueuedConnection);
        return;
    }
    RunEnd end;
    end.kind = stopping_ ? RunEnd::Stopped : kind;
    end.exitCode = exitCode;
    end.program = process_.program();
    end.paddedTo = paddedTo_;
    finish(JudgeRun(report, end, request_));
}

std::optional<QString> FlashWriter::writePaddedCopy(qint64 chipBytes)
{
    paddedDir_ = std::make_unique<QTemporaryDir>();
    if (!paddedDir_->isValid())
        return LoaderText("The BIN cannot be filled up to the chip's size: no temporary folder (%1).")
            .arg(paddedDir_->errorString());
    QFile bin(request_.binPath);
    QFile copy(paddedDir_->filePath(QFileInfo(request_.binPath).fileName()));
    if (!bin.open(QIODevice::ReadOnly))
        return LoaderText("The file %1 cannot be read: %2.").arg(request_.binPath, bin.errorString());
    const QByteArray content = bin.readAll();
    if (content.size() != request_.binBytes)
        return LoaderText("The file %1 changed while it was being written. Write again.").arg(request_.binPath);
    const QByteArray erased(chipBytes - content.size(), char(0xFF));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(content) != content.size() ||
        copy.write(erased) != erased.size() || !copy.flush())
        return LoaderText("The BIN cannot be filled up to the chip's size in %1: %2.")
            .arg(copy.fileName(), copy.errorString());
    return std::nullopt;
}

void FlashWriter::finish(const Verdict& verdict)
{
    if (verdict.verified) {
        // Read Chip compares the flash with this.
        QFile bin(request_.binPath);
        if (bin.open(QIODevice::ReadOnly))
            RememberWrittenBin(request_.binPath, bin.readAll());
    }
    running_ = false;
    paddedDir_.reset();
    Q_EMIT finished(verdict);
}
