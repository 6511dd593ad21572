// SPDX-License-Identifier: MIT
#pragma once

#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

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

// The threads that work off the window's thread, owned so that none outlives
// its owner: a work that is no longer waited for is told so through its
// `abandoned` flag, and the owner's destructor waits for every thread, which
// must then end promptly. Destroy the owner before the application object.
class OffThreadWorkers {
public:
    OffThreadWorkers() = default;
    OffThreadWorkers(const OffThreadWorkers&) = delete;
    OffThreadWorkers& operator=(const OffThreadWorkers&) = delete;
    ~OffThreadWorkers() {
        for (Worker& worker : workers_) {
            *worker.abandoned = true;
        }
        for (Worker& worker : workers_) {
            worker.thread->wait();
        }
    }

    // Runs `work` on a thread of its own and waits for its result while this
    // thread's event loop keeps running, so that the window stays responsive:
    // it repaints, and its handlers run (they must expect that). The thread
    // says by its finished signal when the result is there.
    template <typename Result>
    OffThreadResult<Result> run(std::function<Result(const std::atomic<bool>& abandoned)> work,
                                std::chrono::milliseconds limit) {
        forgetFinished();
        auto abandoned = std::make_shared<std::atomic<bool>>(false);
        auto result = std::make_shared<std::optional<Result>>();
        std::unique_ptr<QThread> thread(QThread::create(
            [abandoned, result, work = std::move(work)] { *result = work(*abandoned); }));
        OffThreadResult<Result> outcome;
        QEventLoop loop;
        QObject::connect(thread.get(), &QThread::finished, &loop, [&] {
            outcome.end = WaitEnd::Finished;
            loop.quit();
        });
        QTimer::singleShot(limit, &loop, [&] {
            outcome.end = WaitEnd::TimedOut;
            loop.quit();
        });
        thread->start();
        loop.exec();
        if (outcome.end == WaitEnd::Finished) {
            thread->wait(); // finished is signalled just before the thread returns
            outcome.result = std::move(*result);
        } else {
            *abandoned = true;
        }
        workers_.push_back({std::move(thread), std::move(abandoned)});
        return outcome;
    }

private:
    struct Worker {
        std::unique_ptr<QThread> thread;
        std::shared_ptr<std::atomic<bool>> abandoned;
    };

    void forgetFinished() {
        std::erase_if(workers_, [](const Worker& worker) { return worker.thread->isFinished(); });
    }

    std::vector<Worker> workers_;
};

} // namespace tessaly
