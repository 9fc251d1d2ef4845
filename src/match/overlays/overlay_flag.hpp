#pragma once
// Crests and flags of the two teams over the match.
class t_team;

// Loads the crest with its shadow when the team has not got both yet (national flags have no shadow).
void prepare_match_flag(t_team& team);
// The shadow 2 pixels right and down first, unless the team is national.
void draw_match_flag(const t_team& team, double x, double y);
