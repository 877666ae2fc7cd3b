#pragma once
// A project on disk to compile: records, library and equations, with WAV
// files made on the spot.

#include <string>
#include <vector>

#include <QDir>
#include <QFile>

#include "common/TestFiles.h"
#include "common/TestRecords.h"
#include "common/TestSound.h"
#include "compiler/Compile.h"
#include "model/Project.h"
#include "VoiceFile.h"

struct CompileFixture {
    ScratchDir dir;
    ProjectContent content = ProjectContent::NewProject(0);
    std::string projectFile = dir.file("P.winproj");
    std::string programFolder = ProgramDir();
    int flashMegabits = 32;

    std::string binPath() const { return projectFile + ".bin"; }

    CompileResult compile(const std::function<void(int, int)>& progress = {})
    {
        return CompileBin({content.options, content.key, content.equation, content.library, content.equations,
                           flashMegabits, projectFile, programFolder},
                          progress);
    }

    // A tone of `samples` samples at `rate`, written as a WAV and returned as
    // a library record.
    CSound makeSound(const std::string& name, uint32_t rate, size_t samples)
    {
        QDir().mkpath(QString::fromStdString(SoundFolderFor(projectFile)));
        CSound s{.kind = CSound::kSoundFile, .path = SoundFolderFor(projectFile) + "/" + name, .name = name,
                 .sampleRate = int32_t(rate), .lengthMs = int32_t(samples * 1000 / rate)};
        WriteTestWav(s.path, int(rate), 1, 16, double(samples) / rate);
        return s;
    }

    // The voice data the converter makes of a sound's file.
    static std::vector<uint8_t> VoiceDataOf(const CSound& s)
    {
        return voice::EncodeVoice(*voice::ReadWavFile(s.path, nullptr));
    }

    // A program folder of its own, with copies of the build's support files
    // and converter.
    std::string ownProgramFolder()
    {
        const std::string folder = dir.file("program") + "/";
        QDir().mkpath(QString::fromStdString(folder));
        for (const char* name : {"ChimeConverter.so", "silence10ms.wav", "q31825_A3_Ext_Spi_Code.bin"})
            QFile::copy(QString::fromStdString(ProgramDir() + name), QString::fromStdString(folder + name));
        programFolder = folder;
        return folder;
    }
};

using Bytes = std::vector<uint8_t>;

inline std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t at, size_t n)
{
    return std::vector<uint8_t>(bytes.begin() + long(at), bytes.begin() + long(at + n));
}
