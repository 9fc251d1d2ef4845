#pragma once
// Where the game's files live: the shipped data folder (the working directory) and the player's folder.
#include <string>

// The name of the game's folder under a prefix's share/ and under the player's data home.
constexpr const char* GAME_FOLDER_NAME = "quilbo-rovudo";

// "" keeps one folder, read and written: the working directory. Otherwise every relative
// path the game writes goes under `folder`, and a player's copy of a file shadows the
// shipped one when it is read. Set once at start-up, before anything is read.
void set_player_folder(const std::string& folder);
const std::string& player_folder();

// $XDG_DATA_HOME/quilbo-rovudo when that is an absolute path, else $HOME/.local/share/quilbo-rovudo.
std::string default_player_folder(const char* xdg_data_home, const char* home);

// The data folder of an installed game: `relative_data` seen from the binary's own folder,
// so a moved prefix still finds it.
std::string installed_data_folder(const std::string& binary_path, const std::string& relative_data);

// The player's copy of a relative `path`; "" with one folder or for an absolute path.
std::string player_copy_path(const std::string& path);
// The copy of `path` that a read finds: the player's when there is one, else the shipped one.
std::string readable_path(const std::string& path);
// Where a write of `path` goes.
std::string writable_path(const std::string& path);
// Creates, in the player's folder, the folder that a write of `path` needs. "" or the reason
// it cannot; the first failure also tells the player, once, that nothing will be saved.
std::string make_room_for(const std::string& path);
// Creates `folder` and its parents where writes go. "" or the reason it cannot.
std::string create_writable_folder(const std::string& folder);
