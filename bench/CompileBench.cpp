// The compile of a full project (510 sounds of 1 s at 16000 Hz, 64M flash)
// against FFmpeg encoding the same 510 s of audio as one IMA ADPCM file:
// wall times of each (min and median of five runs) and their ratios.
//
// usage: bench_compile [FOLDER]   the project is made in a new folder inside
// FOLDER (default: the system's temporary folder). The compile creates and
// deletes two files per sound, so the file system counts: try a tmpfs too.

#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QDir>

#include "SpeechFixture.h"
#include "Timing.h"
#include "compiler/Compile.h"
#include "model/ProjectContent.h"
#include "support/SafeWrite.h"

namespace {

constexpr int kRate = 16000;
constexpr int kSounds = 510;

template <typename F> Times WallTimes(int runs, F&& f)
{
    std::vector<double> t;
    for (int r = 0; r < runs; ++r) {
        t.push_back(WallTime(f));
        std::fprintf(stderr, "  run %d: %.3f s\n", r + 1, t.back());
    }
    return MinAndMedian(t);
}

bool Write(const QString& path, const std::vector<uint8_t>& bytes)
{
    return !WriteFileSafely(path.toStdString(), bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/bench-XXXXXX" : QString());
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench_compile: cannot make a folder to work in\n");
        return 1;
    }
    const auto speech = MakeSpeech(dir, kRate);
    if (!speech || speech->samples.empty()) {
        std::fprintf(stderr, "bench_compile: espeak-ng and sox are needed to make the speech\n");
        return 1;
    }

    // 510 one-second sounds cut from the speech.
    ProjectContent project = ProjectContent::NewProject(0);
    const QString soundFolder = dir.filePath("P.winproj.sound");
    QDir().mkpath(soundFolder);
    voice::PcmSound all{kRate, {}};
    const std::vector<voice::PcmSound> parts = SpeechParts(*speech, kSounds, kRate);
    for (int k = 0; k < kSounds; ++k) {
        const voice::PcmSound& one = parts[size_t(k)];
        all.samples.insert(all.samples.end(), one.samples.begin(), one.samples.end());
        CSound s;
        s.kind = CSound::kSoundFile;
        s.name = "s" + std::to_string(k) + ".wav";
        s.path = (soundFolder + "/" + QString::fromStdString(s.name)).toStdString();
        s.sampleRate = kRate;
        s.lengthMs = 1000;
        if (!Write(QString::fromStdString(s.path), voice::WavBytes(one)))
            return 1;
        project.library.append(s);
        project.equations[k % kEquationCount].append(s);
    }
    const QString allPath = dir.filePath("all.wav");
    if (!Write(allPath, voice::WavBytes(all)))
        return 1;

    CompileResult result;
    const Times compile = WallTimes(5, [&] {
        result = CompileBin({project.options, project.key, project.equation, project.library, project.equations, 64,
                             dir.filePath("P.winproj").toStdString(), KR_PROGRAM_DIR});
    });
    if (!result.saved) {
        std::fprintf(stderr, "bench_compile: the compile failed: %s\n", result.messages.front().text.c_str());
        return 1;
    }
    bool ffmpegRan = true;
    const Times ffmpeg = WallTimes(5, [&] {
        ffmpegRan &= Run("ffmpeg", {"-loglevel", "error", "-y", "-i", allPath, "-c:a", "adpcm_ima_wav",
                                    dir.filePath("all-ima.wav")});
    });

    std::printf("in %s\n", dir.path().toLocal8Bit().constData());
    std::printf("compile, %d sounds of 1 s at %d Hz, 64M: min %.3f s, median %.3f s (%s)\n", kSounds, kRate,
                compile.min, compile.median,
                result.messages.front().text.substr(result.messages.front().text.find('\n') + 1).c_str());
    if (!ffmpegRan) {
        std::printf("ffmpeg not available: no comparison\n");
        return 0;
    }
    std::printf("ffmpeg -c:a adpcm_ima_wav, the same %d s as one file: min %.3f s, median %.3f s\n", kSounds,
                ffmpeg.min, ffmpeg.median);
    std::printf("ratio compile / ffmpeg: min %.2f, median %.2f\n", compile.min / ffmpeg.min,
                compile.median / ffmpeg.median);
    return 0;
}
