#pragma once
// Converting a sound file (WAV, MP3, WMA, or anything else FFmpeg reads) to
// a mono 16-bit WAV file at a chosen sampling rate.

#include <optional>
#include <string>

// Writes `destination` as a mono 16-bit WAV at `rate` Hz with the sound of
// `source`. Sound for rates of 8000 Hz and below is first brought to
// 8000 Hz, the rate the background music is made at; higher rates are
// reached directly so that they keep their bandwidth. The file is written
// beside `destination` and renamed at the end, so the destination may be
// the source itself and a failure leaves whatever was there. Empty on
// success, else a message for the user.
std::optional<std::string> ConvertSound(const std::string& source, const std::string& destination, int rate);

// The refusal of a destination that is the source itself (also through a
// link or another spelling of its path): the conversion command never
// replaces the file it converts. Nothing for any other destination.
std::optional<std::string> SameFileRefusal(const std::string& source, const std::string& destination);
