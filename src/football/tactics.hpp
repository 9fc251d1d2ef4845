#pragma once
// Tactics: where each outfield player stands for each ball zone, their files and the undo stack.
#include <array>
#include <deque>
#include <memory>
#include <string>

#include "platform/stream.hpp"

constexpr int TACTICS_SLOTS = 18;
constexpr int PRESET_COUNT = 12;
constexpr int TACTICS_PLAYERS = 11;
constexpr int BALL_ZONES = 35;
constexpr int TACTICS_FILE_SIZE = 370;
constexpr int TACTICS_NAME_BYTES = 9;
constexpr int NOT_PAIRED = 255;

class t_vec2d {
public:
    int x = 0;
    int y = 0;
    bool operator==(const t_vec2d&) const = default;
};

// Where each outfield player stands for each ball zone. Row 0 (the keeper)
// is never stored in a file.
class t_tactics {
public:
    t_tactics() { pairs.fill(NOT_PAIRED); }

    std::string name;
    std::array<std::array<t_vec2d, BALL_ZONES>, TACTICS_PLAYERS> target{};
    std::array<int, TACTICS_PLAYERS> pairs{};
    int based_on = 0;

    void load_file(const std::string& path);
    void save_file(const std::string& path) const;
    // The bytes of a ".TAC" file, as save_file stores them.
    void write(t_stream& out) const;
    void copy(const t_tactics& other);
    void add_delete_pair(int a, int b);
    bool is_paired(int p) const;
    int get_paired(int p) const;
    std::string to_string() const;
};

// Target points live on a 16 x 16 lattice in the file.
int tactics_target_byte(const t_vec2d& target);
t_vec2d tactics_target_from_byte(int byte);

// The tactics editor's undo stack: newest copy at the front.
class t_tactics_stack {
public:
    void push(const t_tactics& tac);
    std::shared_ptr<t_tactics> pop();
    bool empty() const { return entries_.empty(); }
    size_t size() const { return entries_.size(); }

private:
    std::deque<std::shared_ptr<t_tactics>> entries_;
};

extern std::array<t_tactics, TACTICS_SLOTS> tactics;
extern std::array<std::string, TACTICS_SLOTS> tactics_names;
extern const std::array<std::string, TACTICS_SLOTS> tactics_file_names;
extern const std::array<std::array<int, 32>, PRESET_COUNT> tactics_player_order;
// (column -2..2, row 0..8) of each player on the formation diagram.
extern const std::array<std::array<std::array<int, 2>, TACTICS_PLAYERS>, TACTICS_SLOTS> tactics_board_layout;

// Display names of the slots; the named ones go through the dictionary.
void fill_tactics_names();
