#pragma once
// One fixture of a competition: its teams, results, first leg and status.
#include <array>
#include <optional>
#include <string>

#include "football/team.hpp"

using t_score = std::array<int, 2>;

// One fixture of a league or cup: home and away, scores empty until set.
class t_match {
public:
    std::array<t_team_ref, 2> teams;
    std::optional<t_score> result;
    int includes_extra_time = 0;
    std::optional<t_score> result_after90;
    std::optional<t_score> result_penalties;
    std::optional<t_score> old_result; // first leg, in the first leg's team order
    t_team_ref qualified;
    std::string status;

    std::string to_string() const;
};
