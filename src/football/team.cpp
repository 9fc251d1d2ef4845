#include "football/team.hpp"

#include <algorithm>
#include <cmath>

#include "football/tactics.hpp"
#include "platform/random.hpp"

std::array<t_team_ref, 2> match_teams = {std::make_shared<t_team>(), std::make_shared<t_team>()};

std::shared_ptr<t_player> t_team::new_player() {
    if (size >= MAX_SQUAD) return nullptr;
    auto player = std::make_shared<t_player>();
    player->team = this;
    players.push_back(player);
    ++size;
    return player;
}

int t_team::delete_player(const std::shared_ptr<t_player>& player) {
    if (size <= MIN_SQUAD) return 0;
    const auto it = std::find(players.begin(), players.end(), player);
    if (it == players.end()) return 0;
    players.erase(it);
    --size;
    return 1;
}

t_kit* t_team::new_kit() {
    if (kit_count >= MAX_KITS) return nullptr;
    kits.emplace_back();
    ++kit_count;
    return &kits.back();
}

int t_team::delete_kit() {
    if (kit_count <= MIN_KITS || kits.empty()) return 0;
    kits.pop_back();
    --kit_count;
    kit = std::min(kit, kit_count - 1);
    return 1;
}

namespace {
int scorer_weight(const t_player& p) {
    int w = (p.sh & 7) + (p.he & 7) + (p.fi & 7);
    if (p.pt == ROLE_RIGHT_WING || p.pt == ROLE_LEFT_WING) w += 10;
    if (p.pt == ROLE_MIDFIELD) w += 5;
    if (p.pt == ROLE_ATTACK) w += 30;
    return w;
}
} // namespace

void t_team::generate_scorers(int goals) {
    const size_t eleven = std::min<size_t>(11, players.size());
    int sum = 0;
    for (size_t i = 0; i < eleven; ++i) sum += scorer_weight(*players[i]);
    if (sum <= 0) return;
    for (int g = 0; g < goals; ++g) {
        const int r = rand(1, sum);
        int b = sum;
        for (const auto& p : players) {
            // The walk weighs attackers a little more than the sum did.
            b -= scorer_weight(*p) + (p->pt == ROLE_ATTACK ? 7 : 0);
            if (b < r) {
                ++p->goals;
                break;
            }
        }
    }
}

void t_team::update_statistics(int scored, int conceded, int points_for_a_win) {
    goals_for += scored;
    goals_against += conceded;
    if (scored > conceded) {
        ++won;
        points += points_for_a_win;
    } else if (scored == conceded) {
        ++drawn;
        ++points;
    } else {
        ++lost;
    }
}

void t_team::reset_statistics() {
    won = drawn = lost = goals_for = goals_against = points = 0;
    for (const auto& p : players) p->goals = 0;
}

std::shared_ptr<t_player> t_team::player_at_position(int position, const t_tactics* tac) const {
    if (position < 0 || position >= size || position >= MAX_SQUAD) return nullptr;
    if (tac == nullptr) tac = &::tactics.at(static_cast<size_t>(std::clamp(tactics, 0, TACTICS_SLOTS - 1)));
    const int based_on = std::clamp(tac->based_on, 0, PRESET_COUNT - 1);
    const int list_index = tactics_player_order[static_cast<size_t>(based_on)][static_cast<size_t>(position)];
    if (list_index >= static_cast<int>(players.size())) return nullptr;
    return players[static_cast<size_t>(list_index)];
}

int t_team::easy_subs(int wanted_role) const {
    const int role = std::clamp(wanted_role, 0, ROLE_COUNT - 1);
    const auto& alt = alternative_roles[static_cast<size_t>(role)];
    for (const int r : {role, alt[0], alt[1]}) {
        for (int pos = 1; pos <= 11; ++pos) {
            const auto p = player_at_position(pos - 1);
            if (p && p->pt == r) return pos;
        }
    }
    return 1;
}

void sort_teams_by_name(std::vector<t_team_ref>& list) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < list.size(); ++i) {
            if (list[i + 1]->name < list[i]->name) {
                std::swap(list[i], list[i + 1]);
                swapped = true;
            }
        }
    }
}

float team_rating(const t_team& team) {
    const size_t eleven = std::min<size_t>(11, team.players.size());
    float sum = 0;
    for (size_t i = 0; i < eleven; ++i) sum += static_cast<float>(team.players[i]->price) / 5.0f;
    return sum / 11.0f;
}

int match_rating(const t_team& team, const t_team& opponent) {
    return static_cast<int>(std::floor(team_rating(team) / 3.0f + 2.0f * team_rating(opponent) / 3.0f));
}
