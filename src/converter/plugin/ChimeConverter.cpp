// The voice converter plugin: turns a WAV file into the chip's voice data and
// a C header with its figures (the compile deletes it unread; `kr615b encode`
// writes the bytes into it too). Loaded by the compile for each sound.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <string>
#include <vector>

#include "CArrayHeader.h"
#include "PcmSound.h"
#include "VoiceFile.h"

#if defined(_WIN32)
#define KR_EXPORT __declspec(dllexport)
#else
#define KR_EXPORT __attribute__((visibility("default")))
#endif

namespace {

// Samples read and encoded at a time: memory stays small whatever the length
// of the sound.
constexpr size_t kPieceSamples = 1 << 16;

std::string FileName(const std::string& path)
{
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Opens `path` for writing without emptying it first: a file that is there
// is written over in place and cut to its new length after (Finish), which
// spares the filesystem freeing its blocks only to take them again.
std::FILE* OpenForRewrite(const char* path)
{
    std::FILE* file = std::fopen(path, "r+b");
    return file ? file : std::fopen(path, "wb");
}

// Closes a file opened by OpenForRewrite and cuts what lies past `length`,
// left there by a longer file written over.
bool Finish(std::FILE* file, const char* path, uint64_t length)
{
    bool ok = std::fflush(file) == 0 && !std::ferror(file);
    const bool longer = ok && std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) > long(length);
    ok = std::fclose(file) == 0 && ok;
    if (ok && longer) {
        std::error_code error;
        std::filesystem::resize_file(path, length, error);
        ok = !error;
    }
    return ok;
}

bool Write(std::FILE* file, const void* data, size_t size)
{
    return size == 0 || std::fwrite(data, 1, size, file) == size;
}

// Streams the samples of `reader` through the encoder into `file`; the
// header, which depends on all of them, is written last. Gives the sample
// count, or nothing when reading or writing fails.
std::optional<uint32_t> EncodeInto(voice::WavReader& reader, std::FILE* file, size_t& dataSize)
{
    voice::VoiceEncoder encoder;
    std::vector<int16_t> samples(size_t(std::min<uint64_t>(kPieceSamples, reader.framesLeft())));
    std::vector<uint8_t> blocks;
    uint8_t placeholder[voice::kHeaderBytes] = {};
    if (!Write(file, placeholder, sizeof placeholder))
        return std::nullopt;
    uint64_t count = 0;
    for (size_t n; (n = reader.read(samples.data(), samples.size())) > 0; count += n) {
        blocks.clear();
        encoder.add(samples.data(), n, blocks);
        if (!Write(file, blocks.data(), blocks.size()))
            return std::nullopt;
    }
    blocks.clear();
    encoder.finish(blocks);
    // The header counts samples in 32 bits.
    if (reader.failed() || count > UINT32_MAX || !Write(file, blocks.data(), blocks.size()))
        return std::nullopt;
    const auto header = encoder.header(reader.sampleRate());
    if (std::fseek(file, 0, SEEK_SET) != 0 || !Write(file, header.data(), header.size()))
        return std::nullopt;
    dataSize = voice::VoiceDataSize(size_t(count));
    return uint32_t(count);
}

bool WriteText(const std::string& path, const std::string& text)
{
    std::FILE* file = OpenForRewrite(path.c_str());
    if (!file)
        return false;
    const bool written = Write(file, text.data(), text.size());
    return Finish(file, path.c_str(), text.size()) && written;
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
        voice::WavReader reader;
        if (!reader.open(wav, nullptr))
            return 0;
        const std::string dataPath = out;
        const std::string headerPath = dataPath + ".h";
        std::FILE* data = OpenForRewrite(out);
        if (!data)
            return 0;
        size_t size = 0;
        const std::optional<uint32_t> count = EncodeInto(reader, data, size);
        const bool closed = Finish(data, out, count ? size : 0);
        if (count && closed &&
            WriteText(headerPath, CArrayHeaderStart(FileName(dataPath), FileName(wav), size, reader.sampleRate(),
                                                    *count, false)))
            return 1;
        std::remove(dataPath.c_str());
        std::remove(headerPath.c_str());
        return 0;
    } catch (...) {
        // No exception may cross the C boundary.
        return 0;
    }
}
