#pragma once

#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace tessaly {

// How a wait for work on another thread ended.
enum class WaitEnd {
    Finished,   // the work returned its result
    TimedOut,   // the time limit passed first
    Interrupted // the event loop was told to end: the program is quitting
};

template <typename Result> struct OffThreadResult {
    WaitEnd end = WaitEnd::Interrupted;
    std::optional<Result> result; // set when the work finished
};

// Runs `work` on a thread of its own and waits for its result while this
// thread's event loop keeps running, so that the window stays responsive:
// it repaints, and its handlers run (they must expect that). The work is told
// through `abandoned` when nobody waits any more; it must own everything it
// touches, since it may outlive the wait.
template <typename Result>
OffThreadResult<Result> runOffThread(std::function<Result(const std::atomic<bool>& abandoned)> work,
                                     std::chrono::milliseconds limit) {
    struct Shared {
        std::atomic<bool> abandoned{false};
        std::mutex mutex;
        std::optional<Result> result;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, work = std::move(work)] {
        Result result = work(shared->abandoned);
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
    }).detach();

    const auto finished = [&shared] {
        const std::lock_guard lock(shared->mutex);
        return shared->result.has_value();
    };
    OffThreadResult<Result> outcome;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (finished()) {
            outcome.end = WaitEnd::Finished;
            loop.quit();
        }
    });
    QTimer::singleShot(limit, &loop, [&] {
        outcome.end = finished() ? WaitEnd::Finished : WaitEnd::TimedOut;
        loop.quit();
    });
    if (!finished()) {
        poll.start();
        loop.exec();
    } else {
        outcome.end = WaitEnd::Finished;
    }
    const std::lock_guard lock(shared->mutex);
    if (outcome.end == WaitEnd::Finished) {
        outcome.result = std::move(shared->result);
    } else {
        shared->abandoned = true;
    }
    return outcome;
}

} // namespace tessaly
