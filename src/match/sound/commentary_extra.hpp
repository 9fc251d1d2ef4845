#pragma once
// Commentary groups and the foul whistle for penalties, free kicks and cards.
// Groups are numbered as the goal (1), own-goal (2) and corner (3) sets: group g is the files
// sfx/commentary/g01.ogg ... g06.ogg, COMMENTARY_SAMPLES of them, one picked at random.
constexpr int COMMENTARY_PENALTY = 4;
constexpr int COMMENTARY_FREE_KICK = 5;
constexpr int COMMENTARY_YELLOW_CARD = 6;
constexpr int COMMENTARY_RED_CARD = 7;

// In "sfx": one short hard blast that stops play for a foul; the usual whistle stays for restarts.
constexpr const char* FOUL_WHISTLE_FILE = "whistle_foul.ogg";
