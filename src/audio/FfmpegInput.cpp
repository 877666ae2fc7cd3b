#include "audio/FfmpegInput.h"

#include <mutex>

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

std::optional<std::string> OpenFfmpegInput(const std::string& path, FfmpegInput& out)
{
    // Failures reach the user as messages; FFmpeg's own log would only add
    // noise on stderr of the window program and the tool.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });

    // The "file:" prefix keeps a name such as "concat:a|b" or "http:x" a file
    // name; the whitelist keeps playlists inside the file from opening URLs.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* raw = nullptr;
    const int opened = avformat_open_input(&raw, ("file:" + path).c_str(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0)
        return FfmpegReadError(path, opened);
    out.format.reset(raw);

    if (const int found = avformat_find_stream_info(raw, nullptr); found < 0)
        return FfmpegReadError(path, found);
    const int index = av_find_best_stream(raw, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index == AVERROR_STREAM_NOT_FOUND)
        return "Cannot read " + path + ": it holds no sound";
    if (index < 0)
        return FfmpegReadError(path, index);
    out.stream = raw->streams[index];
    return std::nullopt;
}
