#include "common/TestSound.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <vector>

#include <QProcess>
#include <QStringList>

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

void WriteTestWav(const std::string& path, int rate, int channels, int bits, double seconds, double frequency)
{
    const auto frames = static_cast<uint32_t>(std::llround(seconds * rate));
    const int bytes = bits / 8;
    const auto frameSize = static_cast<uint32_t>(channels * bytes);
    const uint32_t dataSize = frames * frameSize;
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    Put(out, 36 + dataSize, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    // Format chunk: size, PCM, channels, rate, bytes per second, frame size, bits.
    const std::pair<uint32_t, int> format[] = {{16, 4}, {1, 2}, {uint32_t(channels), 2}, {uint32_t(rate), 4},
                                               {uint32_t(rate) * frameSize, 4}, {frameSize, 2}, {uint32_t(bits), 2}};
    for (const auto& [value, size] : format)
        Put(out, value, size);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put(out, dataSize, 4);
    const double fullScale = std::ldexp(1.0, bits - 1) - 1;
    for (uint32_t i = 0; i < frames; ++i) {
        const double x = 0.5 * std::sin(2 * std::numbers::pi * frequency * i / rate);
        auto value = static_cast<int64_t>(std::lround(x * fullScale));
        if (bits == 8)
            value += 128;  // 8-bit WAV samples are unsigned
        for (int c = 0; c < channels; ++c)
            Put(out, static_cast<uint32_t>(value), bytes);
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()),
                                                static_cast<std::streamsize>(out.size()));
}

bool MakeTestSound(const std::string& path, int rate, int channels, double seconds, double frequency)
{
    // One expression per channel: ffmpeg's own up-mix would lower the level.
    QStringList perChannel;
    for (int c = 0; c < channels; ++c)
        perChannel << QString("0.5*sin(2*PI*%1*t)").arg(frequency);
    const QString tone = QString("aevalsrc=%1:s=%2:d=%3").arg(perChannel.join('|')).arg(rate).arg(seconds);
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                       tone, QString::fromStdString(path)});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}
