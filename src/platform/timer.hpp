#pragma once
// Time: the millisecond clock, the frame timer and the virtual clock of test runs.
#include <vector>

// With the virtual clock (unpaced runs) time moves only when the game says a frame has passed,
// so blinking and pulsing look the same in every run.
void use_virtual_clock(bool enabled);
void advance_virtual_clock(long ms);

// CPU time of the whole process (every thread), for benchmarks.
double process_cpu_ms();
// Median of a set of timings (0 for none).
double median_ms(std::vector<double> timings);

// Milliseconds since the program started.
long millisecs();
void delay(int ms);

// A frame timer at a fixed frequency.
class t_timer {
public:
    explicit t_timer(int hz);
    // Blocks until at least one tick has passed since the previous wait; returns the ticks that passed.
    int wait();
    int hz() const { return hz_; }

private:
    int hz_;
    long start_ms_;
    long ticks_seen_ = 0;
};

// The game's pacing can be switched off for tests and benchmarks: wait() then returns 1 at once.
void set_timers_unpaced(bool unpaced);
