// SPDX-License-Identifier: MIT
#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
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
// `abandoned` flag, and the owner's destructor joins every thread, which must
// then end promptly. They are joined, not only waited for: a QThread's system
// thread is detached and still running its own exit when wait() returns, and
// at the program's end that is a thread still alive after main(). Destroy the
// owner before the application object.
class OffThreadWorkers {
public:
    OffThreadWorkers() = default;
    OffThreadWorkers(const OffThreadWorkers&) = delete;
    OffThreadWorkers& operator=(const OffThreadWorkers&) = delete;
    ~OffThreadWorkers() {
        for (Worker& worker : workers_) {
            worker.state->abandoned = true;
        }
        for (Worker& worker : workers_) {
            worker.thread.join();
        }
    }

    // Runs `work` on a thread of its own and waits for its result while this
    // thread's event loop keeps running, so that the window stays responsive:
    // it repaints, and its handlers run (they must expect that). The thread
    // posts to `notices_` when the result is there; `notices_` outlives every
    // thread, since the destructor joins them first.
    template <typename Result>
    OffThreadResult<Result> run(std::function<Result(const std::atomic<bool>& abandoned)> work,
                                std::chrono::milliseconds limit) {
        forgetFinished();
        auto state = std::make_shared<State>();
        auto result = std::make_shared<std::optional<Result>>();
        OffThreadResult<Result> outcome;
        QEventLoop loop;
        state->waiting = &loop;
        QTimer::singleShot(limit, &loop, [&] {
            outcome.end = WaitEnd::TimedOut;
            loop.quit();
        });
        std::thread thread([this, state, result, work = std::move(work)] {
            *result = work(state->abandoned);
            state->finished = true;
            QMetaObject::invokeMethod(&notices_, [state] {
                if (state->waiting != nullptr) {
                    state->delivered = true;
                    state->waiting->quit();
                }
            });
        });
        loop.exec();
        state->waiting = nullptr;
        if (state->delivered) {
            outcome.end = WaitEnd::Finished;
            thread.join(); // it has nothing left to do but return
            outcome.result = std::move(*result);
            return outcome;
        }
        state->abandoned = true;
        workers_.push_back({std::move(thread), std::move(state)});
        return outcome;
    }

private:
    struct State {
        std::atomic<bool> abandoned = false;
        std::atomic<bool> finished = false;
        // The wait for the result, and whether the result reached it: used
        // on the owner's thread only.
        QEventLoop* waiting = nullptr;
        bool delivered = false;
    };
    struct Worker {
        std::thread thread;
        std::shared_ptr<State> state;
    };

    void forgetFinished() {
        std::erase_if(workers_, [](Worker& worker) {
            if (!worker.state->finished) {
                return false;
            }
            worker.thread.join();
            return true;
        });
    }

    QObject notices_;
    std::vector<Worker> workers_;
};

} // namespace tessaly
