#pragma once
// Helpers the tests share: a scratch folder and whole-file reads and writes.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <QTemporaryDir>

// A fresh folder, removed with everything in it when the object goes.
class ScratchDir {
public:
    ScratchDir()
    {
        if (!dir_.isValid())
            throw std::runtime_error("cannot create a temporary folder");
    }
    std::string path() const { return dir_.path().toStdString(); }
    std::string file(const std::string& name) const { return path() + "/" + name; }

private:
    QTemporaryDir dir_;
};

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The program folder of this build tree, with a trailing separator.
inline std::string ProgramDir() { return KR_PROGRAM_DIR; }

// Runs a program of the program folder; returns its exit status and fills
// stdout and stderr.
int RunProgram(const std::string& program, const std::vector<std::string>& args, std::string* out = nullptr,
               std::string* err = nullptr);
