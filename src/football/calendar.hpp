#pragma once
// The fixture lists of calendars.bin: reading them and finding the one for a number of teams.
#include <array>
#include <cstdint>
#include <string>

// Single round-robin fixture lists for 2..24 teams, back to back.
constexpr int CALENDAR_MIN_TEAMS = 2;
constexpr int CALENDAR_MAX_TEAMS = 24;
constexpr size_t CALENDAR_BYTES = 4600;
extern const std::string calendar_path;

extern std::array<uint8_t, CALENDAR_BYTES> calendar_data;

// Offset of the block for n teams (n(n-1) bytes: home, away per match).
size_t calendar_block_offset(int teams);
void read_calendar_file(const std::string& path);
