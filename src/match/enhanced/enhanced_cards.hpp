#pragma once
// ENHANCED cards: a reckless foul is booked, a second booking or a denied chance sends a man off.

class t_foul;
class t_player;

enum class t_card;

// The card a foul earns from a player who already has `yellows` this match.
t_card card_for(const t_foul& f, int yellows);
// Shows the foul's card, names the player, counts it, and sends him off on a red.
void book(const t_foul& f);
// A sent-off player leaves: he walks to the tunnel and plays no further part.
void send_off(t_player& p);
// Players on the pitch for a side, those sent off not counted.
int players_on_pitch(int team);
