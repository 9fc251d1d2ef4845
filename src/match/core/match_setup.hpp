#pragma once
// Building a match from match_teams and match_settings (no pictures involved).

class t_team;

// A damaged team file can hold fewer players than a side needs: every way into a match stops on such a
// team with the same message, instead of reading past its squad.
void require_full_squad(const t_team& team);
// What one match leaves in the shared state, back to how a new one finds it: controllers,
// function keys, clock, bench, statistics, goals, wind, the recording position and the camera.
void reset_match_state();
// Sides, conditions, clock, statistics, recording and camera: set-up steps 2 to 13.
void build_match_objects();
// The pitch type and weather of this match, drawn where the settings say "random".
void choose_pitch_and_weather();
// Crowd pieces shown: the match rating, one more for a competition match.
int compute_crowd_level();
// Gives back everything build_match_objects made.
void release_match_objects();
