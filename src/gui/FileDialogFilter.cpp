#include "gui/FileDialogFilter.h"

#include <QStringList>

#include "support/Paths.h"

QString QtFileFilter(const std::string& filter)
{
    const QStringList parts = QString::fromLocal8Bit(filter).split(u'|');
    QStringList entries;
    // Pairs of description and patterns; the list ends at the first empty
    // description (the closing "||").
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = u'(' + parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ') + u')';
        entries << (description.endsWith(patterns) ? description : description + u' ' + patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

std::string WithDefaultExtension(const std::string& path, std::string extension)
{
    if (extension.starts_with('.'))
        extension.erase(0, 1);
    if (extension.empty() || FileNamePart(path).find('.') != std::string::npos)
        return path;
    return path + '.' + extension;
}
