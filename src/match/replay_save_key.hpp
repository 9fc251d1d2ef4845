#pragma once
// The end screen's way to keep the match: S writes the stored highlights to "replays/".

constexpr const char* HIGHLIGHTS_FOLDER = "replays";

// S pressed this update with highlights stored: saves them and says so.
void save_highlights_on_key();
// The key's caption under the statistics, while there is something to save.
void draw_save_highlights_hint();
