#include "match/enhanced/enhanced_rules.hpp"

#include "core/screen_modes.hpp"
#include "football/player.hpp"
#include "match/enhanced/enhanced_computer.hpp"
#include "match/enhanced/enhanced_curl.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_keeper.hpp"
#include "match/enhanced/enhanced_set_pieces.hpp"
#include "match/enhanced/enhanced_shape.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_switch.hpp"
#include "match/enhanced/enhanced_tackle.hpp"
#include "match/enhanced/enhanced_throws.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"

namespace {
class t_enhanced_rules final : public t_match_rules {
public:
    void contest_ball(t_team& t, const std::shared_ptr<t_player>& nearest) const override {
        enhanced_contest_ball(t, nearest);
    }
    void move_ball(t_ball& b, double step) const override { move_curling(b, step); }
    void choose_actions() const override {
        computer_on_the_ball();
        choose_slides();
    }
    void choose_targets() const override { held_shape_targets(); }
    int referee_step() const override {
        keeper_reflex_saves();
        keep_keepers_in_their_area();
        if (keeper_gathers_loose_ball() || keeper_claims_cross()) return MODE_MATCH_KEEPER_STOP;
        referee.follow_play();
        if (!referee.whistled) return 0;
        return referee.foul.penalty ? MODE_MATCH_PENALTY_POSITIONS : MODE_MATCH_FREE_KICK_POSITIONS;
    }
    bool moves_by_himself(t_player& p, int team) const override { return step_by_himself(p, team); }
    void arrange_corner(int taking) const override { ::arrange_corner(taking); }
    bool strike_corner(int taking) const override { return computer_strikes_corner(taking); }
    void arrange_throw_in(int taking) const override { come_short_for_throw_in(taking); }
    bool throw_in(int taking) const override { return computer_throws_in(taking); }
    bool release_keeper_ball(int team) const override { return keeper_throws_to_free_back(team); }
    void arrange_free_kick(int taking, const std::vector<int>& wall) const override { ::arrange_free_kick(taking, wall); }
    bool strike_free_kick(int taking) const override { return computer_crosses_free_kick(taking); }
    bool tips_round_post(t_player& k) const override { return keeper_tips_hard_shot(k); }
    void adjust_keeper_target(const t_player& k, double& x, double& y) const override { keeper_comes_for_cross(k, x, y); }
    void auto_switch(int team) const override { auto_switch_control(team); }
    void set_up() const override { set_up_referee(); }
    // Each point of speed counts, not only whether he has any; the keeper keeps his pace.
    double running_speed(const t_player& p) const override {
        if (p.is_goalkeeper()) return t_match_rules::running_speed(p);
        return RUNNER_WITHOUT_SPEED + RUNNER_SPEED_PER_POINT * skill_value(p.sp);
    }
};
} // namespace

const t_match_rules& enhanced_rules() {
    static const t_enhanced_rules rules;
    return rules;
}
