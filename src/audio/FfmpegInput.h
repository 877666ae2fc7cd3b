#pragma once
// Opening a sound file with FFmpeg, shared by the information reader and the
// decoder. Owners for FFmpeg's objects, so that every path out of a function
// frees what it allocated.

#include <memory>
#include <optional>
#include <string>

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

using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextFree>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using SwrContextPtr = std::unique_ptr<SwrContext, SwrContextFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;

// A file opened for reading, with its best audio stream chosen.
struct FfmpegInput {
    FormatContextPtr format;
    AVStream* stream = nullptr;
};

// Opens `path` as a local file only (no network or pipe protocols, whatever
// the name looks like) and finds its audio stream. Empty on success, else a
// message naming the file.
std::optional<std::string> OpenFfmpegInput(const std::string& path, FfmpegInput& out);

// FFmpeg's text for an error code.
std::string FfmpegErrorText(int code);

// "Cannot read PATH: " + FFmpeg's text for `code`.
std::string FfmpegReadError(const std::string& path, int code);
