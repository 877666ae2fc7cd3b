#include "compiler/ConversionQueue.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <system_error>

#include <QFile>

#include "support/Paths.h"

namespace {

void RemovePair(const std::string& voiceData)
{
    QFile::remove(ToQtPath(voiceData));
    QFile::remove(ToQtPath(CompanionOf(voiceData)));
}

// Renames a spare voice-data file and its companion to the names of
// `output`, for the converter to write over in place. The voice data's
// modification time is set to a day ago and given back in `mark`: any
// writing moves it, so a file still bearing it holds the earlier sound's
// data. False, with whatever could not be taken over deleted, on failure.
bool TakeOver(const std::string& spare, const std::string& output, std::filesystem::file_time_type& mark)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::rename(spare, output, error);
    if (error) {
        RemovePair(spare);
        return false;
    }
    fs::last_write_time(output, fs::file_time_type::clock::now() - std::chrono::hours(24), error);
    if (!error)
        mark = fs::last_write_time(output, error);  // as precise as the filesystem keeps it
    if (error) {
        QFile::remove(ToQtPath(output));
        QFile::remove(ToQtPath(CompanionOf(spare)));
        return false;
    }
    fs::rename(CompanionOf(spare), CompanionOf(output), error);
    if (error)
        QFile::remove(ToQtPath(CompanionOf(spare)));
    return true;
}

}  // namespace

ConversionQueue::ConversionQueue(const std::string& programFolder, std::vector<std::string> wavPaths)
    : converter_(programFolder), wavPaths_(std::move(wavPaths)), results_(wavPaths_.size()),
      done_(wavPaths_.size(), false)
{
    const size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
    // Enough ahead to keep every thread busy, few enough that little temporary
    // data lies on disk at a time.
    lookahead_ = 2 * threads;
    for (size_t i = 0; i < std::min(threads, wavPaths_.size()); ++i)
        workers_.emplace_back([this] { work(); });
}

ConversionQueue::~ConversionQueue()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& t : workers_)
        t.join();
    for (size_t i = taken_; i < started_; ++i) {
        if (!results_[i].voiceData.empty())
            RemovePair(results_[i].voiceData);
    }
    for (const std::string& spare : spares_)
        RemovePair(spare);
}

void ConversionQueue::work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] {
            return stopping_ || started_ == wavPaths_.size() || started_ < taken_ + lookahead_;
        });
        if (stopping_ || started_ == wavPaths_.size())
            return;
        const size_t index = started_++;
        std::string spare;
        if (!spares_.empty()) {
            spare = std::move(spares_.back());
            spares_.pop_back();
        }
        lock.unlock();
        Conversion c;
        try {
            c.voiceData = convert(index, std::move(spare), c.messages);
        } catch (const std::exception& e) {
            c.voiceData.clear();
            c.messages.push_back({std::string("Cannot convert ") + wavPaths_[index] + ": " + e.what(),
                                  Caption::ApplicationName, MessageIcon::Error});
        }
        lock.lock();
        results_[index] = std::move(c);
        done_[index] = true;
        changed_.notify_all();
    }
}

std::string ConversionQueue::convert(size_t index, std::string spare, std::vector<UserMessage>& messages)
{
    const std::string& wav = wavPaths_[index];
    std::filesystem::file_time_type mark;
    const bool reused = !spare.empty() && TakeOver(spare, VoiceDataPathOf(wav), mark);
    std::string voiceData = ConvertToVoiceData(converter_, wav, messages);
    // A converter that reports success without writing its voice data left
    // the taken-over file as it was: it goes, as if nothing had been taken
    // over, and the compile reports the missing file.
    std::error_code error;
    if (reused && !voiceData.empty() && std::filesystem::last_write_time(voiceData, error) == mark && !error)
        QFile::remove(ToQtPath(voiceData));
    return voiceData;
}

bool ConversionQueue::reuse(const std::string& voiceData)
{
    std::lock_guard lock(mutex_);
    if (spares_.size() >= wavPaths_.size() - started_)
        return false;
    spares_.push_back(voiceData);
    return true;
}

Conversion ConversionQueue::next()
{
    std::unique_lock lock(mutex_);
    const size_t index = taken_;
    changed_.wait(lock, [&] { return bool(done_[index]); });
    ++taken_;
    changed_.notify_all();
    return std::move(results_[index]);
}
