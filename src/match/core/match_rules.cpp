#include "match/core/match_rules.hpp"

#include "football/match_settings.hpp"
#include "football/player.hpp"
#include "match/ball/ball.hpp"
#include "match/enhanced/enhanced_rules.hpp"
#include "match/players/player_possession.hpp"

namespace {
constexpr double FAST_RUNNER = 148;
constexpr double RUNNER = 120;

class t_classic_rules final : public t_match_rules {
public:
    void contest_ball(t_team& t, const std::shared_ptr<t_player>& nearest) const override {
        classic_contest_ball(t, nearest);
    }
    void move_ball(t_ball& b, double step) const override { b.move_skewed(step); }
};
} // namespace

double t_match_rules::running_speed(const t_player& p) const { return p.sp != 0 ? FAST_RUNNER : RUNNER; }

const t_match_rules& classic_rules() {
    static const t_classic_rules rules;
    return rules;
}

const t_match_rules& match_rules() {
    return match_settings.gameplay == t_gameplay::enhanced ? enhanced_rules() : classic_rules();
}
