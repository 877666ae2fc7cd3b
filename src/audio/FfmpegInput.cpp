#include "audio/FfmpegInput.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>

#include <QByteArray>
#include <QFile>

#include "PcmSound.h"
#include "support/RegularFile.h"

extern "C" {
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
}

std::string FfmpegErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

std::string FfmpegReadError(const std::string& path, int code)
{
    return "Cannot read " + path + ": " + FfmpegErrorText(code);
}

void QuietFfmpeg()
{
    // Failures reach the user as messages; FFmpeg's own log would only add
    // noise on stderr of the window program and the tool.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
}

namespace {

// Opens `url` (nothing for a reader set in `raw`) and keeps the context in
// `out`. The whitelist keeps playlists inside the file from opening URLs.
int OpenFormat(AVFormatContext* raw, const char* url, FfmpegInput& out)
{
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int opened = avformat_open_input(&raw, url, nullptr, &options);
    av_dict_free(&options);
    if (opened >= 0)
        out.format.reset(raw);
    return opened;
}

int ReadMemory(void* opaque, uint8_t* buffer, int size)
{
    MemoryFile& file = *static_cast<MemoryFile*>(opaque);
    const size_t count = std::min(file.bytes.size() - file.position, static_cast<size_t>(size));
    if (count == 0)
        return AVERROR_EOF;
    std::memcpy(buffer, file.bytes.data() + file.position, count);
    file.position += count;
    return static_cast<int>(count);
}

int64_t SeekMemory(void* opaque, int64_t offset, int whence)
{
    MemoryFile& file = *static_cast<MemoryFile*>(opaque);
    const auto size = static_cast<int64_t>(file.bytes.size());
    if (whence == AVSEEK_SIZE)
        return size;
    int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<int64_t>(file.position); break;
    case SEEK_END: base = size; break;
    default: return AVERROR(EINVAL);
    }
    if (offset < -base || offset > size - base)
        return AVERROR(EINVAL);
    file.position = static_cast<size_t>(base + offset);
    return base + offset;
}

// The part of opening after the container was recognised.
std::optional<std::string> FindAudioStream(const std::string& path, FfmpegInput& out)
{
    AVFormatContext* raw = out.format.get();
    if (const int found = avformat_find_stream_info(raw, nullptr); found < 0)
        return FfmpegReadError(path, found);
    const int index = av_find_best_stream(raw, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index == AVERROR_STREAM_NOT_FOUND)
        return "Cannot read " + path + ": it holds no sound";
    if (index < 0)
        return FfmpegReadError(path, index);
    out.stream = raw->streams[index];
    const AVCodecParameters& p = *out.stream->codecpar;
    if (const char* refusal = voice::WavFormatRefusal(uint32_t(std::max(p.sample_rate, 0)),
                                                      uint32_t(std::max(p.ch_layout.nb_channels, 0)),
                                                      uint32_t(std::max(BitsPerSample(p), 0))))
        return "Cannot read " + path + ": " + refusal;
    return std::nullopt;
}

// FFmpeg turns down some damaged WAV headers only as "invalid data" (a rate
// of 4,000,000,000 Hz) or finds no sound in them (no channels): the WAV
// reader's own reason says what is wrong.
std::optional<std::string> WavHeaderRefusal(const std::string& path)
{
    constexpr qint64 kHeaderBytes = 65536;  // the format chunk lies near the start
    QFile file;
    if (OpenRegularFile(path, file))
        return std::nullopt;
    const QByteArray start = file.read(kHeaderBytes);
    if (!start.startsWith("RIFF") || start.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::string reason;
    if (voice::ParseWav(reinterpret_cast<const uint8_t*>(start.constData()), size_t(start.size()), &reason))
        return std::nullopt;
    return "Cannot read " + path + ": " + reason;
}

}  // namespace

int BitsPerSample(const AVCodecParameters& p)
{
    const bool pcm = p.codec_id >= AV_CODEC_ID_FIRST_AUDIO && p.codec_id < AV_CODEC_ID_ADPCM_IMA_QT;
    if (!pcm)
        return 16;
    return p.bits_per_coded_sample > 0 ? p.bits_per_coded_sample : av_get_bits_per_sample(p.codec_id);
}

std::optional<std::string> OpenFfmpegInput(const std::string& path, FfmpegInput& out)
{
    QuietFfmpeg();
    if (std::optional<std::string> reason = SpecialFileReason(path))
        return "Cannot read " + path + ": " + *reason;
    // The "file:" prefix keeps a name such as "concat:a|b" or "http:x" a file
    // name.
    if (const int opened = OpenFormat(nullptr, ("file:" + path).c_str(), out); opened < 0)
        return WavHeaderRefusal(path).value_or(FfmpegReadError(path, opened));
    if (std::optional<std::string> error = FindAudioStream(path, out))
        return WavHeaderRefusal(path).value_or(*error);
    return std::nullopt;
}

std::optional<std::string> OpenFfmpegMemoryInput(std::vector<uint8_t> bytes, const std::string& name,
                                                 FfmpegInput& out)
{
    QuietFfmpeg();
    constexpr int kReadBlock = 4096;
    out.memory = std::make_unique<MemoryFile>(MemoryFile{std::move(bytes), 0});
    auto* block = static_cast<unsigned char*>(av_malloc(kReadBlock));
    if (block)
        out.io.reset(avio_alloc_context(block, kReadBlock, 0, out.memory.get(), ReadMemory, nullptr, SeekMemory));
    if (!out.io) {
        av_free(block);
        return FfmpegReadError(name, AVERROR(ENOMEM));
    }
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw)
        return FfmpegReadError(name, AVERROR(ENOMEM));
    raw->pb = out.io.get();
    raw->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (const int opened = OpenFormat(raw, nullptr, out); opened < 0)
        return FfmpegReadError(name, opened);
    return FindAudioStream(name, out);
}
