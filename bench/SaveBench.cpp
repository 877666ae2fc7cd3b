// The save the desktop program makes after every changing command, on a full
// project (510 library sounds, 220 equations of 85 sounds each): the check
// whether anything changed, and the atomic write of the project file. As a
// reference, the same bytes written with a plain open/write/close in the same
// folder. Min and median over the runs, in milliseconds.
//
// usage: bench_save [FOLDER] [RUNS]   FOLDER as for bench_compile (default:
// the system's temporary folder); RUNS default 30.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "model/Project.h"

namespace {

constexpr int kSounds = 510;
constexpr int kEntriesPerEquation = 85;  // 3 bytes each: a full 255-byte slot

struct Figures {
    double min;
    double median;
};

template <typename F> Figures Time(int runs, F&& f)
{
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        const auto start = std::chrono::steady_clock::now();
        f();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void Print(const char* what, Figures f)
{
    std::printf("%-52s min %8.3f ms  median %8.3f ms\n", what, f.min, f.median);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/bench-XXXXXX" : QString());
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench_save: cannot make a folder to work in\n");
        return 1;
    }
    Project project;
    if (CreateNewProject(dir.filePath("P.winproj").toStdString(), "P.winproj", 0, project)) {
        std::fprintf(stderr, "bench_save: cannot create the project\n");
        return 1;
    }
    for (int k = 0; k < kSounds; ++k) {
        CSound s;
        s.kind = CSound::kSoundFile;
        s.name = "sound number " + std::to_string(k) + ".wav";
        s.path = project.soundFolderPath + "/" + s.name;
        s.sampleRate = 16000;
        s.bits = 16;
        s.lengthMs = 1000;
        project.content.library.append(s);
    }
    int k = 0;
    for (CSoundList& equation : project.content.equations)
        for (int i = 0; i < kEntriesPerEquation; ++i, k = (k + 7) % kSounds)
            equation.append(*project.content.library.at(k));
    const ProjectContent saved = project.content;
    const std::vector<uint8_t> bytes = WriteProjectBytes(project.content);

    const QString plainPath = dir.filePath("plain.bin");
    const Figures plain = Time(runs, [&] {
        QFile file(plainPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()))
            std::exit(1);
    });
    bool same = false;
    const Figures compare = Time(runs, [&] { same = project.content == saved; });
    size_t serialised = 0;
    const Figures serialise = Time(runs, [&] { serialised += WriteProjectBytes(project.content).size(); });
    bool failed = false;
    const Figures save = Time(runs, [&] { failed |= bool(SaveProject(project)); });
    if (failed || !same) {
        std::fprintf(stderr, "bench_save: the save failed\n");
        return 1;
    }

    std::printf("in %s, %d runs, project file of %zu bytes\n", dir.path().toLocal8Bit().constData(), runs,
                bytes.size());
    Print("reference: plain write of the same bytes", plain);
    Print("check for a change (project == last saved)", compare);
    Print("of it, serialise only", serialise);
    Print("save: serialise, temporary file, sync, rename", save);
    std::printf("ratio save / plain write (medians): %.2f\n", save.median / plain.median);
    std::printf("after each changing command, check + save (medians): %.3f ms\n", compare.median + save.median);
    return 0;
}
