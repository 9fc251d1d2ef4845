#include "football/calendar.hpp"

#include "platform/fatal.hpp"
#include "platform/stream.hpp"

const std::string calendar_path = "data/calendars/calendars.bin";
std::array<uint8_t, CALENDAR_BYTES> calendar_data{};

size_t calendar_block_offset(int teams) {
    size_t offset = 0;
    for (int k = CALENDAR_MIN_TEAMS; k < teams; ++k) offset += static_cast<size_t>(k * (k - 1));
    return offset;
}

void read_calendar_file(const std::string& path) {
    auto in = read_file(path);
    if (!in) runtime_error(" file not found: " + path);
    // A short table or a team index beyond its block would make leagues from nothing.
    if (in->size() < CALENDAR_BYTES) runtime_error("Invalid calendar file: " + path + " (too short)");
    in->read_bytes(calendar_data.data(), CALENDAR_BYTES);
    for (int n = CALENDAR_MIN_TEAMS; n <= CALENDAR_MAX_TEAMS; ++n) {
        const size_t block = calendar_block_offset(n);
        for (size_t i = 0; i < static_cast<size_t>(n * (n - 1)); ++i)
            if (calendar_data[block + i] >= n) runtime_error("Invalid calendar file: " + path);
    }
}
