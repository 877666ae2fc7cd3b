// How fast a long MP3 becomes the chip's 8000 Hz mono WAV: the real-time
// factor (seconds of work per second of sound) of converting a 60 s
// 44100 Hz stereo MP3, with reading its information for comparison.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "audio/AudioConvert.h"
#include "audio/AudioInfo.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"

namespace {

template <typename Work> double MedianSeconds(int runs, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main()
{
    constexpr double kSeconds = 60;
    ScratchDir dir;
    const std::string mp3 = dir.file("long.mp3");
    if (!MakeTestSound(mp3, 44100, 2, kSeconds)) {
        std::fprintf(stderr, "cannot make the test MP3 with the ffmpeg program\n");
        return 1;
    }
    std::printf("source: %.0f s, 44100 Hz stereo MP3\n", kSeconds);
    for (int rate : {8000, 16000, 22000}) {
        bool ok = true;
        const double t = MedianSeconds(5, [&] { ok = !ConvertSound(mp3, dir.file("out.wav"), rate) && ok; });
        std::printf("convert to %5d Hz: %.3f s (median of 5), real-time factor %.4f (%.0fx real time)%s\n", rate, t,
                    t / kSeconds, kSeconds / t, ok ? "" : "  FAILED");
    }
    const double info = MedianSeconds(20, [&] { ReadAudioInfo(mp3); });
    std::printf("ReadAudioInfo: %.2f ms (median of 20)\n", info * 1000);
    return 0;
}
