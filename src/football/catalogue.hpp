#pragma once
// The team catalogue: one entry per team file, read from the data table of a language.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int CATALOGUE_ENTRIES = 256; // entry 0 is never filled
constexpr int CATALOGUE_SECTIONS = 7;   // six club confederations, then national teams
constexpr int NATIONAL_SECTION = 6;

// A team file listed in the catalogue.
class t_file {
public:
    std::string ext;
    int avail = 0;
    int confederation = 0; // section of the catalogue
};

extern std::array<t_file, CATALOGUE_ENTRIES> team_files;
extern std::array<std::string, CATALOGUE_ENTRIES> team_names;
// Shown for sections 0..5 (the file's own section lines are not read).
extern const std::array<std::string, 6> confederation_names;

// Replaces the catalogue with the entries of a UTF-16LE table.
void read_team_catalogue(const std::vector<uint8_t>& bytes);
void read_team_catalogue_file(const std::string& path);
