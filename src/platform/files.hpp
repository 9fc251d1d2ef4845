#pragma once
// Files and folders: their type, folder listings and copies.
#include <string>
#include <vector>

// 0 missing, 1 file, 2 folder.
int file_type(const std::string& path);

// The entries of a folder (no "." or ".."), in the order the system gives.
// read_dir / next_file keep the game's walking style; the list form is for new code.
class t_dir {
public:
    explicit t_dir(std::vector<std::string> names) : names_(std::move(names)) {}
    // Empty string at the end.
    std::string next_file() { return pos_ < names_.size() ? names_[pos_++] : std::string(); }

private:
    std::vector<std::string> names_;
    size_t pos_ = 0;
};

std::vector<std::string> list_dir(const std::string& path);
t_dir read_dir(const std::string& path);
bool copy_file_bytes(const std::string& from, const std::string& to);
