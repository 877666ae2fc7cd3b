#pragma once
// Opening a sound file with FFmpeg, shared by the information reader and the
// decoder. Owners for FFmpeg's objects, so that every path out of a function
// frees what it allocated.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

struct FormatContextFree {
    void operator()(AVFormatContext* p) const { avformat_close_input(&p); }
};
struct CodecContextFree {
    void operator()(AVCodecContext* p) const { avcodec_free_context(&p); }
};
struct SwrContextFree {
    void operator()(SwrContext* p) const { swr_free(&p); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFree {
    void operator()(AVFrame* p) const { av_frame_free(&p); }
};

struct IoContextFree {
    void operator()(AVIOContext* p) const
    {
        av_freep(&p->buffer);
        avio_context_free(&p);
    }
};

using IoContextPtr = std::unique_ptr<AVIOContext, IoContextFree>;
using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextFree>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using SwrContextPtr = std::unique_ptr<SwrContext, SwrContextFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;

// The bytes of a whole file, read by FFmpeg as if from disk.
struct MemoryFile {
    std::vector<uint8_t> bytes;
    size_t position = 0;
};

// A file opened for reading, with its best audio stream chosen.
struct FfmpegInput {
    // Only for a file held in memory: its bytes and FFmpeg's reader of them,
    // which must outlive `format`.
    std::unique_ptr<MemoryFile> memory;
    IoContextPtr io;
    FormatContextPtr format;
    AVStream* stream = nullptr;
};

// Opens `path` as a local file only (no network or pipe protocols, whatever
// the name looks like, and only a regular file: a FIFO would block the open)
// and finds its audio stream. A stream whose rate, channels or sample size no
// sound file can have (a damaged header) is refused. Empty on success, else a
// message naming the file.
std::optional<std::string> OpenFfmpegInput(const std::string& path, FfmpegInput& out);

// The same for a whole file held in memory, which `out` keeps; `name` names
// it in messages.
std::optional<std::string> OpenFfmpegMemoryInput(std::vector<uint8_t> bytes, const std::string& name,
                                                 FfmpegInput& out);

// The sample width: stored width of PCM; 16, the decoded width, for
// compressed formats.
int BitsPerSample(const AVCodecParameters& p);

// Silences FFmpeg's own log, once for the whole program.
void QuietFfmpeg();

// FFmpeg's text for an error code.
std::string FfmpegErrorText(int code);

// "Cannot read PATH: " + FFmpeg's text for `code`.
std::string FfmpegReadError(const std::string& path, int code);
