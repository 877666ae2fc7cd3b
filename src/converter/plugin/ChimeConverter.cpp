// The voice converter plugin: turns a WAV file into the chip's voice data and
// a C header holding the same bytes. Loaded by the compile for each sound.

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "CArrayHeader.h"
#include "PcmSound.h"
#include "VoiceFile.h"

#if defined(_WIN32)
#define KR_EXPORT __declspec(dllexport)
#else
#define KR_EXPORT __attribute__((visibility("default")))
#endif

namespace {

bool WriteWhole(const std::string& path, const char* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, std::streamsize(size));
    out.close();
    return !out.fail();
}

std::string FileName(const std::string& path)
{
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

// Converts the WAV file `wav` into voice data at `out` and the C header
// `out` + ".h". `out2` is accepted for the compile's calling convention and
// not used. Returns 1 on success; 0 when the WAV cannot be read (nothing is
// written) or a file cannot be written (nothing is left).
extern "C" KR_EXPORT int ConvertWAVToQMF(const char* wav, const char* out, const char* out2)
{
    (void)out2;
    if (!wav || !out)
        return 0;
    try {
        const std::optional<voice::PcmSound> sound = voice::ReadWavFile(wav, nullptr);
        if (!sound)
            return 0;
        const std::vector<uint8_t> data = voice::EncodeVoice(*sound);
        const std::string dataPath = out;
        const std::string headerPath = dataPath + ".h";
        const std::string header =
            CArrayHeader(FileName(dataPath), FileName(wav), data, sound->sampleRate, uint32_t(sound->samples.size()));
        if (WriteWhole(dataPath, reinterpret_cast<const char*>(data.data()), data.size()) &&
            WriteWhole(headerPath, header.data(), header.size()))
            return 1;
        std::error_code ignored;
        std::filesystem::remove(dataPath, ignored);
        std::filesystem::remove(headerPath, ignored);
        return 0;
    } catch (...) {
        // No exception may cross the C boundary.
        return 0;
    }
}
