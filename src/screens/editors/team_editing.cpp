#include "screens/editors/team_editing.hpp"

#include "core/text.hpp"
#include "football/kit_colour.hpp"
#include "football/safe_save.hpp"
#include "football/tactics.hpp"
#include "football/team_file.hpp"
#include "platform/files.hpp"
#include "platform/stream.hpp"
#include "ui/menu.hpp"

std::shared_ptr<t_player> player_clipboard;

namespace {
constexpr int NATIONALITY_CODES = 204;

int based_on(const t_team& team) {
    const auto slot = static_cast<size_t>(team.tactics);
    const int b = slot < tactics.size() ? tactics[slot].based_on : 0;
    return b >= 0 && b < PRESET_COUNT ? b : 0;
}

int* skill_fields(t_player& p, size_t i) {
    int* fields[7] = {&p.pa, &p.sh, &p.he, &p.ta, &p.bc, &p.sp, &p.fi};
    return fields[i];
}
} // namespace

int display_position(const t_team& team, int row) {
    if (row >= 1 && row <= 11)
        return tactics_player_order[static_cast<size_t>(based_on(team))][static_cast<size_t>(row - 1)];
    return row - 1;
}

std::shared_ptr<t_player> player_in_row(const t_team& team, int row) {
    if (row < 1 || row > static_cast<int>(team.players.size())) return nullptr;
    const int pos = display_position(team, row);
    if (pos < 0 || pos >= static_cast<int>(team.players.size())) return nullptr;
    return team.players[static_cast<size_t>(pos)];
}

void swap_rows(t_team& team, int row_a, int row_b) {
    const int n = static_cast<int>(team.players.size());
    if (row_a < 1 || row_b < 1 || row_a > n || row_b > n) return;
    const int a = display_position(team, row_a), b = display_position(team, row_b);
    if (a < 0 || b < 0 || a >= n || b >= n) return;
    std::swap(team.players[static_cast<size_t>(a)], team.players[static_cast<size_t>(b)]);
}

void copy_player_values(const t_player& from, t_player& to) {
    to.name = from.name;
    to.surname = from.surname;
    to.nat = from.nat;
    to.ht = from.ht;
    to.hc = from.hc;
    to.sk = from.sk;
    to.pt = from.pt;
    to.pa = from.pa;
    to.sh = from.sh;
    to.he = from.he;
    to.ta = from.ta;
    to.bc = from.bc;
    to.sp = from.sp;
    to.fi = from.fi;
}

int toggle_diamond(const t_player& player, int skill, bool fire1) {
    int value = skill & SKILL_VALUE_MASK;
    int mark = (skill & SKILL_STAR) != 0 ? 1 : 0;
    if (fire1) {
        value = (value + 1) % 8;
    } else if (mark == 0) {
        mark = 1;
    } else {
        // Count the marks the player would keep without this one.
        t_player after = player;
        for (size_t i = 0; i < 7; ++i) {
            int* f = skill_fields(after, i);
            if (*f == skill) {
                *f &= SKILL_VALUE_MASK;
                break;
            }
        }
        if (after.three_at_least() != 0) mark = 0;
    }
    return value + SKILL_STAR * mark;
}

std::string step_nationality(const std::vector<std::string>& codes, const std::string& nat, int step) {
    const int n = std::min(NATIONALITY_CODES, static_cast<int>(codes.size()));
    if (n == 0) return nat;
    int i = -1;
    for (int k = 0; k < n; ++k)
        if (codes[static_cast<size_t>(k)] == nat) {
            i = k;
            break;
        }
    if (i < 0) i = step > 0 ? -1 : 0; // an unknown code enters the list at its start
    i = ((i + step) % n + n) % n;
    return codes[static_cast<size_t>(i)];
}

std::shared_ptr<t_player> add_edited_player(t_team& team) {
    auto p = team.new_player();
    if (!p) return nullptr;
    p->nat = team.country;
    if (player_clipboard) {
        copy_player_values(*player_clipboard, *p);
        player_clipboard.reset();
    }
    p->auto_number();
    p->update_price();
    p->order_skills();
    if (p->is_goalkeeper()) p->skill_keeper = p->price / 7;
    const t_face f = create_face(*p);
    p->face = f.face;
    p->facesh = f.facesh;
    return p;
}

bool delete_row_player(t_team& team, int row) {
    const int n = static_cast<int>(team.players.size());
    if (n <= MIN_SQUAD || row < 1 || row > n) return false;
    swap_rows(team, row, n);
    const auto last = player_in_row(team, n);
    return last && team.delete_player(last) == 1;
}

bool add_edited_kit(t_team& team) {
    if (team.kit_count >= MAX_KITS || team.kits.size() < 2) return false;
    const size_t k = team.kits.size();
    t_kit* kit = team.new_kit();
    if (kit == nullptr) return false;
    const t_kit& top = team.kits[k == 3 ? 0 : 1];
    const t_kit& bottom = team.kits[k == 3 ? 1 : 0];
    kit->style = top.style;
    kit->shirt1 = top.shirt1;
    kit->shirt2 = top.shirt2;
    kit->shorts = bottom.shorts;
    kit->socks = bottom.socks;
    team.kit = static_cast<int>(team.kits.size()) - 1;
    return true;
}

bool delete_edited_kit(t_team& team) {
    if (team.delete_kit() != 1) return false;
    const int last = static_cast<int>(team.kits.size()) - 1;
    if (team.kit >= last) team.kit = last;
    return true;
}

std::string open_team_for_editing(const std::string& ext, int number) {
    const std::string lower = to_lower_ascii(ext);
    auto team = std::make_shared<t_team>();
    team->ext = lower;
    team->number = number;
    load_team(*team);
    team->kit = 0;
    for (const auto& p : team->players) {
        const t_face f = create_face(*p);
        p->face = f.face;
        p->facesh = f.facesh;
    }
    // The backup is the team file as it is now, line by line.
    auto in = read_file(team_file_path(lower));
    if (!in) return "Cannot read:" + team_file_path(lower);
    std::vector<uint8_t> copy;
    copy.reserve(in->size() + in->size() / 16);
    while (!in->eof()) {
        const std::string line = in->read_line();
        copy.insert(copy.end(), line.begin(), line.end());
        copy.push_back(13);
        copy.push_back(10);
    }
    const std::string failed = write_file_atomically(team_backup_path(lower), copy);
    if (!failed.empty()) return failed;
    match_teams[0] = team;
    menu.modified = 0;
    return "";
}

std::string save_edited_team(t_team& team) { return try_save_team(team); }
