#pragma once
// Numbered jobs worked out on every core and taken back in their order. The
// workers run ahead of the taker only while the weight of the results they
// hold (a page's size, say) stays within a budget, so a pass over a large
// site keeps few pages in memory however far the taker lags.
#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace wk {

template <typename Result>
class OrderedWork {
public:
    using Job = std::function<Result(std::size_t)>;

    // Starts the workers on jobs 0 .. weights.size() - 1; job i weighs weights[i].
    OrderedWork(std::vector<std::uint64_t> weights, Job job, std::uint64_t budget)
        : weights_(std::move(weights)), job_(std::move(job)), budget_(budget), slots_(weights_.size()) {
        const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
        for (std::size_t n = std::min(cores, weights_.size()); n > 0; --n) workers_.emplace_back([this] { work(); });
    }
    // Waits for the jobs in work and drops every result not taken.
    ~OrderedWork() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        for (std::thread& worker : workers_) worker.join();
    }
    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    // Job i's result, once it is worked out; i counts up from 0, one call
    // each. What the job threw is thrown here.
    Result take(std::size_t i) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return slots_[i].done; });
        Slot slot = std::move(slots_[i]);
        held_ -= weights_[i];
        lock.unlock();
        changed_.notify_all();
        if (slot.failure) std::rethrow_exception(slot.failure);
        return std::move(*slot.result);
    }

private:
    struct Slot {
        bool done = false;
        std::optional<Result> result;
        std::exception_ptr failure;
    };

    // Jobs are claimed in order, so the one the taker waits for is always
    // claimed or free to claim: with nothing held, the next job goes ahead
    // whatever it weighs.
    void work() {
        std::unique_lock lock(mutex_);
        while (true) {
            changed_.wait(lock, [&] {
                return stopping_ || next_ == weights_.size() || held_ == 0 || held_ + weights_[next_] <= budget_;
            });
            if (stopping_ || next_ == weights_.size()) return;
            const std::size_t i = next_++;
            held_ += weights_[i];
            lock.unlock();
            Slot slot;
            try {
                slot.result = job_(i);
            } catch (...) {
                slot.failure = std::current_exception();
            }
            slot.done = true;
            lock.lock();
            slots_[i] = std::move(slot);
            changed_.notify_all();
        }
    }

    const std::vector<std::uint64_t> weights_;
    const Job job_;
    const std::uint64_t budget_;
    std::vector<Slot> slots_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t next_ = 0;
    std::uint64_t held_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace wk
