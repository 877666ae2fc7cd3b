#include "FlashReader.h"

#include <QFileInfo>

#include "FlashromCommand.h"
#include "LoaderText.h"

FlashReader::FlashReader(QObject* parent) : QObject(parent)
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
    connect(&process_, &QProcess::readyRead, this, [this] {
        const QString text = QString::fromLocal8Bit(process_.readAll()).trimmed();
        if (!text.isEmpty())
            Q_EMIT outputLines(text.split(QLatin1Char('\n')));
    });
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(LoaderText("flashrom could not be started (%1).").arg(process_.program()));
    });
    connect(&process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit)
            end(LoaderText("flashrom ended abnormally while reading."));
        else if (exitCode != 0)
            end(LoaderText("flashrom could not read the chip (exit status %1); see its output.").arg(exitCode));
        else if (QFileInfo(file_).size() <= 0)
            end(LoaderText("flashrom wrote nothing to %1.").arg(file_));
        else
            end(QString());
    });
}

FlashReader::~FlashReader()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.disconnect(this);
        process_.kill();
        process_.waitForFinished();
    }
}

void FlashReader::start(const QString& programmer, const QString& chip, const QString& file)
{
    file_ = file;
    running_ = true;
    process_.start(FlashromProgram(), FlashromReadArguments(programmer, chip, file));
    process_.closeWriteChannel();
}

void FlashReader::end(const QString& failure)
{
    if (!running_)
        return;
    running_ = false;
    Q_EMIT finished(failure);
}
