#include "LoaderTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

void UseTestApplication()
{
    static int argc = 1;
    static char name[] = "test_loader";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    // ctest runs tests side by side: each process gets settings of its own.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    new QApplication(argc, argv);
}

std::vector<uint8_t> MakeBin(size_t size)
{
    std::vector<uint8_t> bin(size);
    uint32_t state = 12345;
    for (uint8_t& b : bin) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>(state >> 16);
    }
    const uint8_t header[] = {0xFF, 0x08, 0x05, 0xFF, 0x01, 0xFF, 0x00, 0x01};
    std::copy(std::begin(header), std::end(header), bin.begin());
    bin[30] = 6;
    return bin;
}

QString EmulatedChip(size_t size, const std::string& image)
{
    return QStringLiteral("dummy:emulate=VARIABLE_SIZE,size=%1,image=%2").arg(size).arg(QString::fromStdString(image));
}
