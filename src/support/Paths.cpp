#include "support/Paths.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    path += kPathSeparator;
    path += name;
    return path;
}

std::string FileNamePart(std::string_view path)
{
    const size_t cut = path.find_last_of(kPathSeparator);
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string FolderPart(std::string_view path)
{
    const size_t cut = path.find_last_of(kPathSeparator);
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut));
}

QString ToQtPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string FromQtPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

bool IsPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F;
    });
}

std::string QuotedName(std::string_view name)
{
    std::string out = "\"";
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string ProgramFolder()
{
    return FromQtPath(QCoreApplication::applicationDirPath()) + kPathSeparator;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    // Canonical paths when both exist, cleaned absolute ones otherwise (two
    // files that do not exist are the same only by name).
    const QFileInfo first(ToQtPath(a));
    const QFileInfo second(ToQtPath(b));
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}
