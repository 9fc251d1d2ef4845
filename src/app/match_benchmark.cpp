#include "app/match_benchmark.hpp"

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "platform/fatal.hpp"
#include "platform/timer.hpp"

namespace {
class t_match_timing {
public:
    bool enabled = false;
    double update_start = -1;
    double last_update_end = -1;
    std::vector<double> updates;
    std::vector<double> between;
    double loading_ms = -1;
};

t_match_timing& timing() {
    static t_match_timing t;
    return t;
}

} // namespace

void enable_match_benchmark() { timing().enabled = true; }
bool match_benchmark_enabled() { return timing().enabled; }

void note_update_started() {
    t_match_timing& t = timing();
    if (!t.enabled) return;
    t.update_start = process_cpu_ms();
    // From the end of the previous update to now: render, presentation and the loop's own work.
    if (t.last_update_end >= 0) t.between.push_back(t.update_start - t.last_update_end);
}

void note_update_finished() {
    t_match_timing& t = timing();
    if (!t.enabled || t.update_start < 0) return;
    t.last_update_end = process_cpu_ms();
    t.updates.push_back(t.last_update_end - t.update_start);
}

void note_loading_time(double milliseconds) { timing().loading_ms = milliseconds; }

void report_match_benchmark() {
    const t_match_timing& t = timing();
    if (!t.enabled) return;
    if (t.loading_ms >= 0) print_line("benchmark: match loading " + std::to_string(t.loading_ms) + " ms (wall clock)");
    print_line("benchmark: open-play updates " + std::to_string(t.updates.size()) + ", median cpu " +
               std::to_string(median_ms(t.updates)) + " ms");
    print_line("benchmark: render + present between updates, median cpu " + std::to_string(median_ms(t.between)) + " ms");
}
