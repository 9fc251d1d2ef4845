#include "match/enhanced/enhanced_rules.hpp"

#include "match/enhanced/enhanced_curl.hpp"
#include "match/enhanced/enhanced_tackle.hpp"

namespace {
class t_enhanced_rules final : public t_match_rules {
public:
    void contest_ball(t_team& t, const std::shared_ptr<t_player>& nearest) const override {
        enhanced_contest_ball(t, nearest);
    }
    void move_ball(t_ball& b, double step) const override { move_curling(b, step); }
};
} // namespace

const t_match_rules& enhanced_rules() {
    static const t_enhanced_rules rules;
    return rules;
}
