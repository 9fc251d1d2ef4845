#pragma once
// The football data the game loads at start-up: catalogue, team files, tactics, tables, calendars.
#include <string>

// Start-up steps of the football data, called in this order.
// Reads "data/tables/" + base + ".qsc" into team_files and team_names.
void load_team_catalogue(const std::string& language_base);
// An entry is available when its team file exists.
void mark_available_team_files();
// Names the 18 tactics slots and loads each from its preset file.
void load_tactics_slots();
// Position codes, pitch type names and month names from the dictionary.
void fill_football_tables();
void read_calendars();
