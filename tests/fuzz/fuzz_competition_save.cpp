// The save file of the competition in progress: read against a real team file, and
// whatever reads back is written again, as the play screens do after every result.
#include <filesystem>

#include "football/competition_save.hpp"
#include "football/team_file.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool teams_copied = [] {
        fuzz::scratch();
        std::filesystem::copy_file(std::filesystem::path(QUILBO_SOURCE_ASSETS) / team_file_path("cus"), team_file_path("cus"),
                                   std::filesystem::copy_options::overwrite_existing);
        return true;
    }();
    (void)teams_copied;
    fuzz::put_file(competition_save_path, data, size);
    fuzz::run([] {
        std::string error;
        const auto comp = read_competition(competition_save_path, error);
        if (!comp) return;
        (void)comp->get_menu_title();
        (void)comp->get_pitch_type();
        save_competition(*comp, "written_back.sav");
    });
    return 0;
}
