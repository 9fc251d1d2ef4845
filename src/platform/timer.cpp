#include "platform/timer.hpp"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace {
const auto program_start = std::chrono::steady_clock::now();
bool timers_unpaced = false;
bool virtual_clock = false;
long virtual_ms = 0;
} // namespace

void use_virtual_clock(bool enabled) { virtual_clock = enabled; }
void advance_virtual_clock(long ms) { virtual_ms += ms; }

long millisecs() {
    if (virtual_clock) return virtual_ms;
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - program_start).count());
}

void delay(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void set_timers_unpaced(bool unpaced) { timers_unpaced = unpaced; }

t_timer::t_timer(int hz) : hz_(hz), start_ms_(millisecs()) {}

int t_timer::wait() {
    if (timers_unpaced) return 1;
    // Ticks are derived from the clock rather than counted by a thread, so they never drift.
    const auto ticks_now = [this] {
        const auto elapsed = std::chrono::steady_clock::now() - program_start - std::chrono::milliseconds(start_ms_);
        return static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() * hz_ / 1000000);
    };
    long now = ticks_now();
    while (now <= ticks_seen_) {
        const long next_us = (ticks_seen_ + 1) * 1000000 / hz_;
        const auto target = program_start + std::chrono::milliseconds(start_ms_) + std::chrono::microseconds(next_us);
        std::this_thread::sleep_until(target);
        now = ticks_now();
    }
    const int passed = static_cast<int>(now - ticks_seen_);
    ticks_seen_ = now;
    return passed;
}

double process_cpu_ms() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double median_ms(std::vector<double> timings) {
    if (timings.empty()) return 0;
    std::sort(timings.begin(), timings.end());
    return timings[timings.size() / 2];
}
