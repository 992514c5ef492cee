#include "ground/ordered_work.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>

namespace wk {
namespace {

using namespace std::chrono_literals;

TEST(OrderedWork, ResultsComeBackInOrderWhateverTheJobsTake) {
    OrderedWork<std::size_t> work(std::vector<std::uint64_t>(40, 1), [](std::size_t i) {
        // Early jobs take longest, so later ones finish first.
        std::this_thread::sleep_for(std::chrono::microseconds((40 - i) * 50));
        return i * i;
    }, 8);
    for (std::size_t i = 0; i < 40; ++i) EXPECT_EQ(work.take(i), i * i);
}

TEST(OrderedWork, WorkersHoldNoMoreThanTheBudgetUnlessOneJobOutweighsIt) {
    std::atomic<std::uint64_t> started{0};
    // Weights 3: a budget of 7 lets two jobs run ahead, a job of 100 runs alone.
    std::vector<std::uint64_t> weights(10, 3);
    weights[5] = 100;
    OrderedWork<int> work(weights, [&](std::size_t) { return static_cast<int>(++started); }, 7);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(started.load(), 2u);
    for (std::size_t i = 0; i < weights.size(); ++i) work.take(i);
    EXPECT_EQ(started.load(), weights.size());
}

TEST(OrderedWork, AJobsFailureIsThrownToTheTakerAndUntakenResultsAreDropped) {
    OrderedWork<int> work(std::vector<std::uint64_t>(6, 0), [](std::size_t i) {
        if (i == 1) throw std::runtime_error("job 1 failed");
        return static_cast<int>(i);
    }, 0);
    EXPECT_EQ(work.take(0), 0);
    EXPECT_THROW(work.take(1), std::runtime_error);
    // Jobs 2 to 5 are left to the destructor, which must not wait for a taker.
}

}  // namespace
}  // namespace wk
