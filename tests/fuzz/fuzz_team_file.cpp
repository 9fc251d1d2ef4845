// Team files: loading every team the file names, what the game does with a
// loaded team, and saving it back through the backup.
#include <set>

#include "football/kit_colour.hpp"
#include "football/team.hpp"
#include "football/team_file.hpp"
#include "fuzz_support.hpp"

namespace {
// The numbers of the "#" lines, read the way the loader reads them.
std::set<int> team_numbers(const uint8_t* data, size_t size) {
    std::set<int> numbers;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != '#') continue;
        std::string rest;
        for (size_t j = i + 1; j < size && data[j] != '\n' && data[j] != 0; ++j)
            if (data[j] != '\r') rest.push_back(static_cast<char>(data[j]));
        numbers.insert(rest.size() > 9 ? parse_leading_int(rest.substr(9, 3)) : 0);
        if (numbers.size() == 4) break;
    }
    return numbers;
}

void use(t_team& team) {
    for (int pos = 0; pos < MAX_SQUAD; ++pos) (void)team.player_at_position(pos);
    t_color_replacement_list list;
    for (const t_kit& kit : team.kits) {
        add_kit_colors(kit, list);
        (void)kit_style_name(kit.style);
    }
    for (const auto& p : team.players) {
        for (int place = 0; place <= 8; ++place) (void)p->get_best_skill(place);
        add_skin_colors(*p, list);
        add_hair_colors(*p, list);
        (void)hair_type_code(*p);
        p->update_price();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::put_file("data/team_fuz.qst", data, size);
    fuzz::put_file("data/team_fuz.qs0", data, size);
    for (const int number : team_numbers(data, size)) {
        fuzz::run([&] {
            t_team team;
            team.ext = "FUZ";
            team.number = number;
            load_team(team);
            use(team);
            save_team(team);
            t_team again;
            again.ext = "fuz";
            again.number = number;
            load_team(again);
            use(again);
        });
        fuzz::put_file("data/team_fuz.qst", data, size);
    }
    return 0;
}
