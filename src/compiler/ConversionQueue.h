#pragma once
// Converts the library's sounds ahead of the compile on a few threads and
// hands the results over in library order, as if converted one by one. The
// converter is loaded once for all of them: a library loaded and unloaded on
// several threads at once could be unmapped under a running conversion.
//
// The two files of a sound already copied into the BIN are given to a later
// conversion, renamed to its names, instead of being deleted while that one
// creates new ones: creating and deleting a thousand files costs a
// filesystem far more than renaming them.

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "compiler/VoiceConverter.h"
#include "support/UserMessage.h"

struct Conversion {
    std::string voiceData;               // empty when the converter could not be loaded
    std::vector<UserMessage> messages;   // the conversion's own messages
};

class ConversionQueue {
public:
    ConversionQueue(const std::string& programFolder, std::vector<std::string> wavPaths);
    // Stops converting; the files of conversions that were never taken are
    // removed, so a stopped compile leaves nothing behind it that a
    // one-by-one compile would not have left.
    ~ConversionQueue();
    ConversionQueue(const ConversionQueue&) = delete;
    ConversionQueue& operator=(const ConversionQueue&) = delete;

    // The next sound's conversion, waiting for it if need be.
    Conversion next();

    // Takes the voice-data file `voiceData` and its companion, both done
    // with, for a conversion still to start. False when none is left to take
    // them: the caller then deletes them.
    bool reuse(const std::string& voiceData);

private:
    void work();
    std::string convert(size_t index, std::string spare, std::vector<UserMessage>& messages);

    const LoadedConverter converter_;
    const std::vector<std::string> wavPaths_;
    std::vector<Conversion> results_;
    std::vector<bool> done_;
    std::vector<std::string> spares_;  // voice-data files given back by reuse()
    size_t started_ = 0;  // conversions handed to a worker
    size_t taken_ = 0;    // results handed to the compile
    size_t lookahead_;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::thread> workers_;
};
