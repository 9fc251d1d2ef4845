// Tactics files and the uses of a loaded tactic.
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::put_file("fuzz.TAC", data, size);
    fuzz::run([] {
        t_tactics tac;
        tac.load_file("fuzz.TAC");
        (void)tac.to_string();
        t_team team;
        for (int i = 0; i < 20; ++i) team.new_player();
        for (int pos = 0; pos < MAX_SQUAD; ++pos) (void)team.player_at_position(pos, &tac);
        tac.add_delete_pair(1, 2);
        tac.save_file("copy.TAC");
        for (int p = 1; p < TACTICS_PLAYERS; ++p)
            if (tac.is_paired(p)) (void)tac.get_paired(p);
    });
    return 0;
}
