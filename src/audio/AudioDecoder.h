#pragma once
// Decodes any sound file FFmpeg reads (WAV, MP3, WMA and more) to
// interleaved signed 16-bit PCM at a chosen rate and channel count.
//
// Whole file into memory:
//     PcmAudio pcm;
//     if (auto error = DecodeAudioFile(path, 8000, 1, pcm)) show(*error);
// Piece by piece, for long files or a sound output that pulls:
//     AudioDecoder decoder;
//     if (auto error = decoder.open(path)) show(*error);
//     std::vector<int16_t> samples;
//     while (decoder.decodeMore(samples)) play(samples), samples.clear();
//     if (decoder.error()) show(*decoder.error());
//
// Damaged packets are skipped, as players do, so a file with a few bad
// frames still decodes; errors of reading the file end the decoding with a
// message for the user. One object per file; objects on different threads
// are independent.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/PcmAudio.h"

class AudioDecoder {
public:
    AudioDecoder();
    ~AudioDecoder();
    AudioDecoder(AudioDecoder&&) noexcept;
    AudioDecoder& operator=(AudioDecoder&&) noexcept;

    // Opens `path` for output at `rate` Hz with `channels` channels; 0 keeps
    // the source's own rate or channel count. Channels are mixed down or up
    // as needed. Empty on success, else a message naming the file.
    std::optional<std::string> open(const std::string& path, int rate = 0, int channels = 0);

    // The same for a whole file held in memory, which the decoder keeps
    // until it goes; `name` names the file in messages.
    std::optional<std::string> openBytes(std::vector<uint8_t> bytes, const std::string& name, int rate = 0,
                                         int channels = 0);

    // The output's rate and channel count, known once open succeeded.
    int sampleRate() const;
    int channels() const;

    // Decodes the next piece of the file and appends its samples to `out`
    // (whole frames). Returns false, appending nothing, once the file has
    // ended or failed; error() then tells which.
    bool decodeMore(std::vector<int16_t>& out);
    const std::optional<std::string>& error() const;

private:
    struct State;
    // Opens the file at `path`, or the bytes when given.
    std::optional<std::string> start(const std::string& path, int rate, int channels, std::vector<uint8_t>* bytes);
    std::unique_ptr<State> state_;
};

// Decodes the whole of `path` into `out`, as AudioDecoder::open describes.
// Empty on success, else a message naming the file.
std::optional<std::string> DecodeAudioFile(const std::string& path, int rate, int channels, PcmAudio& out);
