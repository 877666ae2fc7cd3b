#include "support/SafeWrite.h"

#include <QSaveFile>

#include "support/Paths.h"

std::optional<std::string> WriteFileSafely(const std::string& path, const void* data, size_t size)
{
    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // result: a buffered QSaveFile can commit a truncated file.
    QSaveFile file(ToQtPath(path));
    const auto failure = [&]() -> std::optional<std::string> {
        const QString reason = file.errorString();
        return "Cannot write " + path + ": " + (reason.isEmpty() ? std::string("unknown error") : reason.toStdString());
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure();
    const char* p = static_cast<const char*>(data);
    size_t left = size;
    while (left > 0) {
        const qint64 n = file.write(p, static_cast<qint64>(left));
        if (n <= 0) {
            // The reason first: cancelling replaces it with its own text.
            std::optional<std::string> reason = failure();
            file.cancelWriting();
            return reason;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (!file.commit())
        return failure();
    return std::nullopt;
}
