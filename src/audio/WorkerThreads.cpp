#include "audio/WorkerThreads.h"

void WorkerThreads::Start(std::function<void()> task)
{
    std::lock_guard lock(mutex_);
    // A thread that has ended still holds its stack until it is joined.
    workers_.remove_if([](Worker& w) {
        if (!w.ended->load())
            return false;
        w.thread.join();
        return true;
    });
    auto ended = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([task = std::move(task), ended] {
        // A preview that fails (a file too large to decode, say) just
        // plays nothing; it must not end the program.
        try {
            task();
        } catch (...) {
        }
        ended->store(true);
    });
    workers_.push_back(Worker{std::move(thread), std::move(ended)});
}

void WorkerThreads::JoinAll()
{
    std::list<Worker> all;
    {
        std::lock_guard lock(mutex_);
        all.swap(workers_);
    }
    for (Worker& w : all)
        w.thread.join();
}

int WorkerThreads::Running() const
{
    std::lock_guard lock(mutex_);
    int running = 0;
    for (const Worker& w : workers_)
        running += w.ended->load() ? 0 : 1;
    return running;
}
