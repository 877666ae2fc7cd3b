#pragma once
// A project on disk to compile: records, library and equations, with WAV
// files made on the spot.

#include <cmath>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>

#include "common/TestFiles.h"
#include "compiler/Compile.h"
#include "model/Project.h"
#include "PcmSound.h"
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
        voice::PcmSound pcm;
        pcm.sampleRate = rate;
        for (size_t i = 0; i < samples; ++i)
            pcm.samples.push_back(int16_t(8000 * std::sin(0.05 * double(i))));
        CSound s;
        s.kind = CSound::kSoundFile;
        s.name = name;
        s.path = SoundFolderFor(projectFile) + "/" + name;
        QDir().mkpath(QString::fromStdString(SoundFolderFor(projectFile)));
        s.sampleRate = int32_t(rate);
        s.lengthMs = int32_t(samples * 1000 / rate);
        WriteBytes(s.path, voice::WavBytes(pcm));
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

inline std::vector<std::string> Texts(const CompileResult& r)
{
    std::vector<std::string> texts;
    for (const UserMessage& m : r.messages)
        texts.push_back(m.text);
    return texts;
}
