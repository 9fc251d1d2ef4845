#pragma once
// The rules that differ between the two gameplays, asked at the few places where they differ.
#include <memory>
#include <vector>

class t_ball;
class t_player;
class t_team;

class t_match_rules {
public:
    virtual ~t_match_rules() = default;
    // The nearest player of team `t`, which does not own the ball and is not striking it, may take it.
    virtual void contest_ball(t_team& t, const std::shared_ptr<t_player>& nearest) const = 0;
    // Moves the ball `step` units along its course, its spin included, in one sub-step.
    virtual void move_ball(t_ball& b, double step) const = 0;
    // Once an update, after the controllers are read: actions beyond running and kicking (slides).
    virtual void choose_actions() const {}
    // Once a sub-step of open play, after the tactics' and the chasers' targets are set: where the players
    // without the ball run instead.
    virtual void choose_targets() const {}
    // Once a sub-step of open play, after possession: what happens on the grass and what the referee
    // sees. The mode of the restart he gives, or 0 to play on.
    virtual int referee_step() const { return 0; }
    // Whether a player of `team` moves by himself this sub-step (sliding, lying on the grass, in the air after
    // a header) rather than running where he is steered; when he does, this moves him. Asked in every phase.
    virtual bool moves_by_himself(t_player&, int) const { return false; }
    // Where everyone runs for the corner that side `taking` is about to take, after the tactics' targets.
    virtual void arrange_corner(int) const {}
    // Side `taking` is to take its corner now: whether the rules struck it themselves.
    virtual bool strike_corner(int) const { return false; }
    // Where the team-mates of the thrower run while side `taking` sets up its throw-in.
    virtual void arrange_throw_in(int) const {}
    // Side `taking` is to throw in now: whether the rules threw it themselves.
    virtual bool throw_in(int) const { return false; }
    // The keeper of `team` holds the ball, his area clear: whether the rules released it themselves.
    virtual bool release_keeper_ball(int) const { return false; }
    // Where everyone runs for the free kick of side `taking`, after the wall (the defenders' slots in `wall`)
    // and the taker have their places.
    virtual void arrange_free_kick(int, const std::vector<int>&) const {}
    // Side `taking` is to take its free kick now: whether the rules struck it themselves.
    virtual bool strike_free_kick(int) const { return false; }
    // Keeper `k` has the ball in his gloves from a shot: whether the rules pushed it round his post instead.
    virtual bool tips_round_post(t_player&) const { return false; }
    // Where keeper `k`, standing guard, goes instead of the target (x, y) his positioning chose.
    virtual void adjust_keeper_target(const t_player&, double&, double&) const {}
    // Once a sub-step of open play, after fire 1 has had its say: a human side `team` may hand control by
    // itself to another of its men.
    virtual void auto_switch(int) const {}
    // A match is set up: the rules' own people and state.
    virtual void set_up() const {}
    // How fast `p` runs when nothing holds him back: a fast runner or not, by his speed skill.
    virtual double running_speed(const t_player& p) const;
};

// The rules of the match being played, after match_settings.gameplay.
const t_match_rules& match_rules();
// Today's match engine.
const t_match_rules& classic_rules();
