#pragma once
// The preview workers' threads. Each runs one task and ends by returning;
// finished threads are joined when the next one starts, and JoinAll waits for
// the rest, so no thread outlives its owner.

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

class WorkerThreads {
public:
    WorkerThreads() = default;
    ~WorkerThreads() { JoinAll(); }
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;

    void Start(std::function<void()> task);
    // Waits for every started task to end.
    void JoinAll();
    // Tasks started and not yet ended.
    int Running() const;

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> ended;
    };

    mutable std::mutex mutex_;
    std::list<Worker> workers_;
};
