#include "compiler/ConversionQueue.h"

#include <algorithm>
#include <exception>

#include <QFile>

#include "support/Paths.h"

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
        if (!results_[i].voiceData.empty()) {
            QFile::remove(ToQtPath(results_[i].voiceData));
            QFile::remove(ToQtPath(CompanionOf(results_[i].voiceData)));
        }
    }
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
        lock.unlock();
        Conversion c;
        try {
            c.voiceData = ConvertToVoiceData(converter_, wavPaths_[index], c.messages);
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

Conversion ConversionQueue::next()
{
    std::unique_lock lock(mutex_);
    const size_t index = taken_;
    changed_.wait(lock, [&] { return bool(done_[index]); });
    ++taken_;
    changed_.notify_all();
    return std::move(results_[index]);
}
