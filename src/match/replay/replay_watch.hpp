#pragma once
// Watching highlights saved in a file: loading the match they came from.
#include <string>

#include "match/replay/highlight_file.hpp"
#include "match/core/match_loading.hpp"

// Loads a watched match like any other, then shows its highlights instead of the walk-on.
class t_watch_loading : public MatchLoading {
public:
    explicit t_watch_loading(t_highlight_file file);
    void update() override;

private:
    t_highlight_file file_;
    bool opened_ = false;
};

// Two teams dressed and built from the file, ready for the match set-up.
void prepare_watched_match(const t_highlight_file& file);
// Reads `path` and puts its highlights on the screen; false, with a one-line message, when it cannot.
bool start_watching(const std::string& path);
