// Quick.Loader.A3: writes a KR615B BIN into the chip's SPI flash through
// flashrom. Started by KR_App with the BIN's path (or nothing), it opens its
// window; with --write it runs without one, for scripts.

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "LoaderWindow.h"
#include "ScriptMode.h"

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (WantsScriptMode(arguments)) {
        QCoreApplication app(argc, argv);
        return RunScriptMode(arguments);
    }
    QApplication app(argc, argv);
    // Started by the Simplified Chinese edition, the tool's texts follow it,
    // and so do Qt's own (the stop question's buttons, the file dialog).
    QTranslator translator;
    QTranslator qtTexts;
    if (qEnvironmentVariable("KR_EDITION") == QLatin1String("zh_CN")) {
        if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTexts);
        if (translator.load(QStringLiteral(":/translations/kr_app_zh_CN.qm")))
            QCoreApplication::installTranslator(&translator);
    }
    // KR_App passes an empty parameter when no project is open.
    const QStringList rest = arguments.mid(1);
    LoaderWindow window(rest.isEmpty() ? QString() : rest.first());
    window.show();
    return app.exec();
}
