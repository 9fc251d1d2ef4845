// The fixture table, and leagues of every size drawn from it.
#include <filesystem>

#include "football/calendar.hpp"
#include "football/league.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::scratch();
    std::filesystem::create_directories("data/calendars");
    fuzz::put_file(calendar_path, data, size);
    fuzz::run([] {
        read_calendar_file(calendar_path);
        for (int n = CALENDAR_MIN_TEAMS; n <= CALENDAR_MAX_TEAMS; ++n) {
            std::vector<t_team_ref> teams;
            for (int i = 0; i < n; ++i) teams.push_back(std::make_shared<t_team>());
            t_league league;
            league.rounds = 2;
            league.initialize(teams);
        }
    });
    return 0;
}
