#pragma once
// Read Chip: runs flashrom to read the whole flash into a file.

#include <QObject>
#include <QProcess>
#include <QStringList>

class FlashReader : public QObject {
    Q_OBJECT
public:
    explicit FlashReader(QObject* parent = nullptr);
    ~FlashReader() override;

    // finished() follows once, always.
    void start(const QString& programmer, const QString& chip, const QString& file);
    bool running() const { return running_; }

Q_SIGNALS:
    void outputLines(const QStringList& lines);
    // `failure` is empty when the file holds the chip's content.
    void finished(const QString& failure);

private:
    void end(const QString& failure);

    QProcess process_;
    QString file_;
    bool running_ = false;
};
