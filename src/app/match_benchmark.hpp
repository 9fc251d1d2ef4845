#pragma once
// The match benchmark: timing of match loading and updates, and its report.

// CPU time of open-play updates and of the frames between them, for --benchmark.
void enable_match_benchmark();
bool match_benchmark_enabled();
void note_update_started();
void note_update_finished();
void note_loading_time(double milliseconds);
// Prints the medians to standard output.
void report_match_benchmark();
