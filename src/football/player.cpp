#include "football/player.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/text.hpp"
#include "football/team.hpp"

const std::array<std::string, ROLE_COUNT> position_code_keys = {
    "G // code for: GOALKEEPER", "RB // code for: RIGHT BACK", "LB // code for: LEFT BACK",
    "D // code for: DEFENDER",   "RW // code for: RIGHT WING", "LW // code for: LEFT WING",
    "M // code for: MIDFIELD",   "A // code for: ATTACK",
};

std::array<std::string, ROLE_COUNT> position_codes;

const std::array<std::array<int, 2>, ROLE_COUNT> alternative_roles = {{
    {0, 0}, {2, 3}, {1, 3}, {1, 2}, {5, 6}, {4, 6}, {4, 5}, {4, 5},
}};

const std::array<int, HAIR_TYPE_COUNT> hair_type_codes = {
    101, 102, 201, 301, 302, 303, 401, 402, 403, 501, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512,
    513, 514, 515, 516, 601, 602, 603, 604, 605, 606, 701, 702, 703, 801, 802, 803, 804, 805, 806, 807, 808,
};

int hair_type_index(int code) {
    const auto it = std::find(hair_type_codes.begin(), hair_type_codes.end(), code);
    return it == hair_type_codes.end() ? 0 : static_cast<int>(it - hair_type_codes.begin());
}

std::string skill_key(char letter) {
    switch (letter) {
    case 'P': return "P // 1 letter code for: PASSING";
    case 'V': return "V // 1 letter code for: SHOOTING";
    case 'H': return "H // 1 letter code for: HEADING";
    case 'T': return "T // 1 letter code for: TACKLING";
    case 'C': return "C // 1 letter code for: BALL CONTROL";
    case 'S': return "S // 1 letter code for: SPEED";
    case 'F': return "F // 1 letter code for: FINISHING";
    default: return "";
    }
}

int t_player::skill_value(char letter) const {
    switch (letter) {
    case 'P': return pa & SKILL_VALUE_MASK;
    case 'V': return sh & SKILL_VALUE_MASK;
    case 'H': return he & SKILL_VALUE_MASK;
    case 'T': return ta & SKILL_VALUE_MASK;
    case 'C': return bc & SKILL_VALUE_MASK;
    case 'S': return sp & SKILL_VALUE_MASK;
    case 'F': return fi & SKILL_VALUE_MASK;
    default: return 0;
    }
}

std::string t_player::get_single_name() const { return surname.empty() ? name : surname; }

void t_player::auto_number() {
    nr = 0;
    change_number(1);
}

void t_player::change_number(int step) {
    // Bounded: a squad never holds 99 players, but a corrupt one must not hang.
    for (int tries = 0; tries < 99; ++tries) {
        nr += step;
        while (nr > 99) nr -= 99;
        while (nr < 1) nr += 99;
        bool taken = false;
        if (team != nullptr) {
            for (const auto& other : team->players) {
                if (other.get() != this && other->nr == nr) {
                    taken = true;
                    break;
                }
            }
        }
        if (!taken) return;
    }
}

void t_player::update_price() {
    if (is_goalkeeper()) return;
    price = (pa & 7) + (sh & 7) + (he & 7) + (ta & 7) + (bc & 7) + (sp & 7) + (fi & 7);
}

int t_player::three_at_least() const {
    int starred = 0;
    for (const int s : {pa, sh, he, ta, bc, sp, fi}) {
        if ((s & SKILL_STAR) != 0) ++starred;
    }
    return starred >= 3 ? 1 : 0;
}

void t_player::order_skills() {
    if (is_goalkeeper()) {
        skills.clear();
        return;
    }
    switch (pt) {
    case ROLE_RIGHT_BACK:
    case ROLE_LEFT_BACK: skills = "TSPVHCF"; break;
    case ROLE_DEFENDER: skills = "THPSVCF"; break;
    case ROLE_RIGHT_WING:
    case ROLE_LEFT_WING: skills = "CSPTHFV"; break;
    case ROLE_MIDFIELD: skills = "PTCHVSF"; break;
    default: skills = "HFSVCPT"; break;
    }
    // Neighbour swaps only on strictly greater, so ties keep the role's order.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < skills.size(); ++i) {
            if (skill_value(skills[i + 1]) > skill_value(skills[i])) {
                std::swap(skills[i], skills[i + 1]);
                swapped = true;
            }
        }
    }
}

std::string t_player::get_best_skill(int place) const {
    if (place < 1 || place > static_cast<int>(skills.size())) return "";
    const auto codes = decode_utf8(translate(skill_key(skills[static_cast<size_t>(place - 1)])));
    return codes.empty() ? std::string() : encode_utf8(codes.front());
}
