#include "platform/file_places.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/fatal.hpp"

namespace {
// Like the working directory, one per process: chosen at start-up, read by every file access.
struct t_player_folder_state {
    std::string folder;
    bool told_unwritable = false;
};

t_player_folder_state& player_state() {
    static t_player_folder_state state;
    return state;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string parent_of(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string create_folders(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return ec ? folder + ": " + ec.message() : std::string();
}

void tell_unwritable_once(const std::string& reason) {
    if (player_state().told_unwritable) return;
    player_state().told_unwritable = true;
    print_line("Cannot write to the player's folder (" + reason + "): nothing will be saved");
}
} // namespace

void set_player_folder(const std::string& folder) { player_state() = {folder, false}; }

const std::string& player_folder() { return player_state().folder; }

std::string default_player_folder(const char* xdg_data_home, const char* home) {
    // A relative or empty data home is to be ignored, as if it were not set.
    if (xdg_data_home != nullptr && xdg_data_home[0] == '/') return std::string(xdg_data_home) + "/" + GAME_FOLDER_NAME;
    return std::string(home != nullptr ? home : "") + "/.local/share/" + GAME_FOLDER_NAME;
}

std::string installed_data_folder(const std::string& binary_path, const std::string& relative_data) {
    const std::filesystem::path bin_folder = std::filesystem::path(binary_path).parent_path();
    return (bin_folder / relative_data).lexically_normal().string();
}

std::string player_copy_path(const std::string& path) {
    const std::string& folder = player_folder();
    if (folder.empty() || (!path.empty() && path[0] == '/')) return "";
    return path.empty() ? folder : folder + "/" + path;
}

std::string readable_path(const std::string& path) {
    const std::string own = player_copy_path(path);
    return !own.empty() && exists(own) ? own : path;
}

std::string writable_path(const std::string& path) {
    const std::string own = player_copy_path(path);
    return own.empty() ? path : own;
}

std::string make_room_for(const std::string& path) {
    if (player_copy_path(path).empty()) return "";
    return create_writable_folder(parent_of(path));
}

std::string create_writable_folder(const std::string& folder) {
    const std::string own = player_copy_path(folder);
    if (own.empty()) return create_folders(folder);
    std::string error = create_folders(own);
    // A folder that is there but refuses writes (a read-only mount) cannot hold the saves either.
    if (error.empty() && ::access(own.c_str(), W_OK) != 0) error = own + ": " + std::strerror(errno);
    if (!error.empty()) tell_unwritable_once(error);
    return error;
}
