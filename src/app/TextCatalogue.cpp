#include "app/TextCatalogue.h"

#include <algorithm>

#include <QSet>
#include <QXmlStreamReader>

namespace {

const TextCatalogue* installed = nullptr;

// A placeholder of a frame: %1, %2, ...
const QRegularExpression& Placeholder()
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    return placeholder;
}

// `translation` with each %n replaced by `args`[n], in one pass, so that
// data holding "%2" stays as it is.
QString FillFrame(const QString& translation, const QHash<int, QString>& args)
{
    QString filled;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& m : Placeholder().globalMatch(translation)) {
        filled += translation.mid(last, m.capturedStart() - last);
        filled += args.value(m.captured(1).toInt(), m.captured());
        last = m.capturedEnd();
    }
    return filled + translation.mid(last);
}

bool HasWords(const QString& line)
{
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
}

}  // namespace

std::optional<TextCatalogue> TextCatalogue::Read(QIODevice& file)
{
    TextCatalogue catalogue;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            const QString translation = xml.readElementText();
            // Texts dropped from the program are left out.
            const bool dropped = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
            if (!dropped && !translation.isEmpty())
                catalogue.add(source, translation);
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return catalogue;
}

void TextCatalogue::add(const QString& source, const QString& translation)
{
    lines_.insert(source, translation);
    QString shape;
    int fixedLength = 0;
    qsizetype last = 0;
    QSet<QString> named;
    for (const QRegularExpressionMatch& m : Placeholder().globalMatch(source)) {
        const QString fixed = source.mid(last, m.capturedStart() - last);
        // A placeholder used twice stands for the same text both times.
        const QString number = m.captured(1);
        const bool again = named.contains(number);
        named.insert(number);
        shape += QRegularExpression::escape(fixed) +
                 (again ? QStringLiteral("\\k<a%1>") : QStringLiteral("(?<a%1>.+?)")).arg(number);
        fixedLength += int(fixed.size());
        last = m.capturedEnd();
    }
    // A frame of data alone would match every line.
    if (shape.isEmpty() || fixedLength + source.size() - last == 0)
        return;
    shape = QLatin1Char('^') + shape + QRegularExpression::escape(source.mid(last)) + QLatin1Char('$');
    frames_.push_back({QRegularExpression(shape), translation, int(fixedLength + source.size() - last)});
}

std::optional<QString> TextCatalogue::translateLine(const QString& line) const
{
    if (const auto whole = lines_.constFind(line); whole != lines_.constEnd())
        return *whole;
    const Frame* best = nullptr;
    QRegularExpressionMatch bestMatch;
    for (const Frame& frame : frames_) {
        if (best && frame.fixedLength <= best->fixedLength)
            continue;
        QRegularExpressionMatch m = frame.shape.match(line);
        if (m.hasMatch()) {
            best = &frame;
            bestMatch = std::move(m);
        }
    }
    if (!best)
        return std::nullopt;
    QHash<int, QString> args;
    for (const QString& name : best->shape.namedCaptureGroups()) {
        if (name.isEmpty())
            continue;
        // Data such as a system's reason are translated too; paths and file
        // names never.
        static const QRegularExpression pathOrFile(QStringLiteral("^/|\\.\\w{1,8}$"));
        const QString arg = bestMatch.captured(name);
        args.insert(name.mid(1).toInt(), arg.contains(pathOrFile) ? arg : translateLine(arg).value_or(arg));
    }
    return FillFrame(best->translation, args);
}

bool TextCatalogue::covers(const QString& text) const
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    return std::all_of(lines.begin(), lines.end(),
                       [this](const QString& line) { return !HasWords(line) || translateLine(line); });
}

void InstallTextCatalogue(const TextCatalogue* catalogue)
{
    installed = catalogue;
}

QString DisplayText(const QString& text)
{
    if (!installed || text.isEmpty())
        return text;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = installed->translateLine(line).value_or(line);
    return lines.join(QLatin1Char('\n'));
}
