#pragma once
// The end screen's way to keep the match: S writes the stored highlights to "replays/".

constexpr const char* HIGHLIGHTS_FOLDER = "replays";

// S pressed this update with highlights stored: saves them and says so.
void save_highlights_on_key();
// The end screen's keys: H and S while there are highlights, and fire to go on.
void draw_save_highlights_hint();
// Top of the caption's line: in the gap between the statistics' title and their first row, which is the
// only free band of a 400-pixel display with the panel up.
int save_hint_y(int screen_height);
