#include "ui/board.hpp"

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/text.hpp"
#include "football/tactics.hpp"
#include "platform/graphics.hpp"
#include "ui/widget_drawing.hpp"

namespace {
const std::array<std::array<int, 2>, TACTICS_PLAYERS>& layout_of(const t_team& team) {
    const auto slot = static_cast<size_t>(team.tactics);
    const int based_on = slot < tactics.size() ? tactics[slot].based_on : 0;
    const auto row = static_cast<size_t>(based_on);
    return tactics_board_layout.at(row < tactics_board_layout.size() ? row : 0);
}

const t_player* player_at(const t_team& team, size_t s) {
    return s < team.players.size() ? team.players[s].get() : nullptr;
}

} // namespace

std::string board_player_text(const t_player& player) {
    const std::string& shown = player.surname.empty() ? player.name : player.surname;
    const std::vector<uint32_t> codes = decode_utf8(shown);
    if (codes.size() <= 10) return shown;
    return encode_utf8(std::vector<uint32_t>(codes.begin(), codes.begin() + 8)) + ".";
}

std::vector<t_board_digit> board_number_digits(int nr, int piece_x) {
    const int units = nr % 10, tens = (nr / 10) % 10;
    if (tens == 0) return {{piece_x + 7, units}};
    // Ones are narrow: pull the pair together so it stays centred on the piece.
    const int k = 7 - (units == 1 ? 1 : 0) - (tens == 1 ? 1 : 0);
    return {{piece_x + 10 - k, tens}, {piece_x + 18 - k - (tens == 1 ? 2 : 0), units}};
}

t_board::t_board() {
    image = load_image_from("images", "board.png", FILTERED_IMAGE);
    img_pieces = load_image_from("images", "pieces.png", -1, 0x00FF00);
    img_num = load_image_from("images", "number.png", -1, 0x0000FF);
    w = image_width(image);
    h = image_height(image);
}

void t_board::set_teams(t_team_ref team_a_, t_team_ref team_b_) {
    team_a = std::move(team_a_);
    team_b = std::move(team_b_);
}

std::vector<t_board_name> t_board::name_layout() const {
    std::vector<t_board_name> out;
    const auto centre = [this](int offset) { return static_cast<int>(x + 0.5 * w + offset); };
    const t_team_ref& side = view_opponent != 0 ? team_b : team_a;
    if (!shows_names() || !side) return out;
    const auto& layout = layout_of(*side);
    for (size_t s = 0; s < layout.size(); ++s) {
        const t_player* p = player_at(*side, s);
        if (p == nullptr) continue;
        const int column = layout[s][0], row = layout[s][1];
        t_board_name n;
        switch (column) {
        case 1: n = {centre(-7), 0, -1, {}}; break;
        case -1: n = {centre(7), 0, 1, {}}; break;
        case 2: n = {x + 10, 0, 1, {}}; break;
        case -2: n = {x + w - 10, 0, -1, {}}; break;
        default: n = {centre(0), 0, 0, {}}; break;
        }
        n.y = view_opponent == 0 ? y + h - 28 * row - 32 : y + 28 * row + 14;
        n.text = board_player_text(*p);
        out.push_back(n);
    }
    return out;
}

std::vector<t_board_piece> t_board::piece_layout() const {
    std::vector<t_board_piece> out;
    if (shows_names()) return out;
    const auto centre = [this](int offset) { return static_cast<int>(x + 0.5 * w + offset); };
    for (int j = 0; j < 2; ++j) {
        const t_team_ref& side = j == 0 ? team_a : team_b;
        if (!side) continue;
        const auto& layout = layout_of(*side);
        const bool bottom = j == view_opponent;
        for (size_t s = 0; s < layout.size(); ++s) {
            const t_player* p = player_at(*side, s);
            if (p == nullptr) continue;
            const int column = layout[s][0], row = layout[s][1];
            t_board_piece piece;
            switch (column) {
            case 1: piece.x = centre(-36 - 20); break;
            case -1: piece.x = centre(36); break;
            case 2: piece.x = x + 26; break;
            case -2: piece.x = x + w - 46; break;
            default: piece.x = centre(-8); break;
            }
            piece.y = bottom ? y + h - 28 * row - 28 : y + 28 * row + 14;
            piece.src_x = bottom ? 0 : 20;
            piece.src_y = s == 0 ? 0 : 14;
            piece.number = p->nr;
            out.push_back(piece);
        }
    }
    return out;
}

void t_board::render() {
    if (visible == 0) return;
    set_widget_color(0xFFFFFF);
    draw_image(image, static_cast<float>(x), static_cast<float>(y));
    for (const t_board_name& n : name_layout())
        draw_text_10(n.text, static_cast<float>(n.x), static_cast<float>(n.y), font_10, n.align);
    for (const t_board_piece& p : piece_layout()) {
        draw_image_rect(img_pieces, static_cast<float>(p.x), static_cast<float>(p.y), 20, 14,
                        static_cast<float>(p.src_x), static_cast<float>(p.src_y), 20, 14);
        for (const t_board_digit& d : board_number_digits(p.number, p.x))
            draw_image_rect(img_num, static_cast<float>(d.x), static_cast<float>(p.y + 2), 8, 10,
                            static_cast<float>(8 * d.digit), 0, 8, 10);
    }
}
