// The desktop program's Load of 510 WAV files (one multiple-file selection)
// and its Compile (F4) of the same project for 64M, each against FFmpeg
// encoding the same 510 s of audio to IMA ADPCM in the same run: min and
// median wall times over RUNS runs and their ratios. The main window is
// real; only the file dialog and the message boxes are answered by the
// bench. Run with QT_QPA_PLATFORM=offscreen where there is no display.
//
// usage: bench_desktop [RUNS]

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QDir>

#include "SpeechFixture.h"
#include "Timing.h"
#include "gui/CKR_AppDlg.h"
#include "support/SafeWrite.h"

namespace {

constexpr int kRate = 16000;
constexpr int kSounds = 510;

// The main window with the bench's answers to its dialogs.
class BenchWindow : public CKR_AppDlg {
public:
    using CKR_AppDlg::CKR_AppDlg;
    std::vector<std::string> files;
    std::vector<std::string> messages;
    std::optional<std::vector<std::string>> ChooseFiles(const std::string&) override { return files; }
    void ShowMessage(const UserMessage& message) override { messages.push_back(message.text); }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const auto speech = MakeSpeech(dir, kRate);
    if (!speech || speech->samples.empty()) {
        std::fprintf(stderr, "bench_desktop: espeak-ng and sox are needed to make the speech\n");
        return 1;
    }
    // 510 one-second sounds cut from the speech.
    const QString sources = dir.filePath("sources");
    QDir().mkpath(sources);
    std::vector<std::string> files;
    voice::PcmSound all{kRate, {}};
    const std::vector<voice::PcmSound> parts = SpeechParts(*speech, kSounds, kRate);
    for (int k = 0; k < kSounds; ++k) {
        const voice::PcmSound& one = parts[size_t(k)];
        all.samples.insert(all.samples.end(), one.samples.begin(), one.samples.end());
        files.push_back((sources + "/s" + QString::number(k) + ".wav").toStdString());
        const std::vector<uint8_t> bytes = voice::WavBytes(one);
        if (WriteFileSafely(files.back(), bytes.data(), bytes.size()))
            return 1;
    }
    const std::string allPath = dir.filePath("all.wav").toStdString();
    const std::vector<uint8_t> allBytes = voice::WavBytes(all);
    if (WriteFileSafely(allPath, allBytes.data(), allBytes.size()))
        return 1;

    std::vector<double> load, compile, ffmpeg;
    for (int r = 0; r < runs; ++r) {
        BenchWindow window(KR_PROGRAM_DIR);
        window.files = files;
        window.show();
        Project project;
        const std::string name = "P" + std::to_string(r) + ".winproj";
        if (CreateNewProject(dir.filePath(QString::fromStdString(name)).toStdString(), name, 0, project)) {
            std::fprintf(stderr, "bench_desktop: cannot make a project\n");
            return 1;
        }
        window.session().Adopt(std::move(project));
        window.session().SelectFlashSize(0);  // 64M
        QApplication::processEvents();
        load.push_back(WallTime([&] { window.session().LoadLibrarySounds(); }));
        compile.push_back(WallTime([&] { window.session().Compile(); }));
        if (window.session().project().content.library.count() != kSounds || window.messages.empty() ||
            window.messages.front().rfind("BIN File Saved!", 0) != 0) {
            std::fprintf(stderr, "bench_desktop: the load or the compile failed: %s\n",
                         window.messages.empty() ? "no message" : window.messages.front().c_str());
            return 1;
        }
        ffmpeg.push_back(WallTime([&] {
            Run("ffmpeg", {"-loglevel", "error", "-y", "-i", QString::fromStdString(allPath), "-c:a", "adpcm_ima_wav",
                           dir.filePath("all-ima.wav")});
        }));
    }
    const Times f = MinAndMedian(ffmpeg);
    std::printf("%-36s %8s %8s %11s %14s\n", "desktop program", "min", "median", "min/ffmpeg", "median/ffmpeg");
    std::printf("%-36s %8.3f %8.3f\n", "ffmpeg -c:a adpcm_ima_wav, 510 s", f.min, f.median);
    for (const auto& [label, times] : {std::pair{"Load of 510 files (s)", &load}, {"Compile (F4), 64M (s)", &compile}}) {
        const Times t = MinAndMedian(*times);
        std::printf("%-36s %8.3f %8.3f %11.2f %14.2f\n", label, t.min, t.median, t.min / f.min, t.median / f.median);
    }
    return 0;
}
