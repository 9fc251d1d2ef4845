#pragma once
// The match trace (--trace FILE): one JSON line per update of a match, for looking at play outside the
// game. The format is in the README ("The match trace").
#include <cstdio>
#include <memory>
#include <string>

// The line of the match as it stands: `update` counts the match's updates from its first, `frame` the
// game's frames (as --screenshot numbers them), `mode` the phase in front.
std::string match_trace_line(long update, long frame, int mode);

class t_match_trace {
public:
    // A file that cannot be written gives one warning line and no trace.
    explicit t_match_trace(const std::string& path);
    bool is_open() const { return file_ != nullptr; }
    // After each frame's update: a line while a phase of a match is in front.
    void record(long frame, int mode);

private:
    struct t_closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, t_closer> file_;
    long updates_ = 0;
};
