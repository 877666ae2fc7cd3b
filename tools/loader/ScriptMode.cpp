#include "ScriptMode.h"

#include <cstdio>

#include <QCommandLineParser>
#include <QEventLoop>

#include "BinCheck.h"
#include "FlashWriter.h"
#include "LoaderSettings.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

}  // namespace

bool WantsScriptMode(const QStringList& arguments)
{
    // The window takes only the BIN's path, which KR_App gives in full.
    for (const QString& a : arguments.mid(1)) {
        if (a.startsWith(QLatin1Char('-')))
            return true;
    }
    return false;
}

int RunScriptMode(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a KR615B BIN into the chip's SPI flash through flashrom."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption write(QStringLiteral("write"), QStringLiteral("Write BIN and verify it."),
                                   QStringLiteral("BIN"));
    const QCommandLineOption programmer(QStringLiteral("programmer"),
                                        QStringLiteral("flashrom programmer (default: the one the window last "
                                                       "used, at first ch341a_spi)."),
                                        QStringLiteral("P"));
    const QCommandLineOption chip(QStringLiteral("chip"),
                                  QStringLiteral("flashrom chip type, when the chip answers as several."),
                                  QStringLiteral("C"));
    parser.addOptions({help, write, programmer, chip});
    parser.addPositionalArgument(QStringLiteral("[BIN]"),
                                 QStringLiteral("Without options: open the window on BIN."));

    const auto usageError = [&](const QString& message) {
        Print(stderr, QStringLiteral("Quick.Loader.A3: %1").arg(message));
        Print(stderr, QStringLiteral("usage: Quick.Loader.A3 [--programmer P] [--chip C] --write BIN"));
        return kExitUsage;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return kExitOk;
    }
    if (!parser.isSet(write))
        return usageError(QStringLiteral("--write BIN is missing"));
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    LoaderChoices choices = LoadChoices();
    if (parser.isSet(programmer))
        choices.programmer = parser.value(programmer).trimmed();
    if (parser.isSet(chip))
        choices.chip = parser.value(chip).trimmed();
    if (choices.programmer.isEmpty())
        return usageError(QStringLiteral("the programmer is empty"));

    const BinCheck check = CheckBin(parser.value(write));
    if (!check.info) {
        Print(stderr, check.refusal);
        return kExitFailed;
    }

    FlashWriter writer;
    QEventLoop loop;
    Verdict verdict;
    QObject::connect(&writer, &FlashWriter::outputLines, [](const QStringList& lines) {
        for (const QString& line : lines)
            Print(stdout, line);
    });
    QObject::connect(&writer, &FlashWriter::finished, [&](const Verdict& v) {
        verdict = v;
        loop.quit();
    });
    writer.start(WriteRequest{check.info->path, check.info->size, choices.programmer, choices.chip});
    if (writer.running())
        loop.exec();
    Print(verdict.verified ? stdout : stderr, verdict.text);
    return verdict.verified ? kExitOk : kExitFailed;
}
