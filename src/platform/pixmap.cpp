#include "platform/pixmap.hpp"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

#include "platform/stream.hpp"

namespace {

struct t_png_reader {
    const std::vector<uint8_t>* bytes;
    size_t pos;
};

void png_read_from_memory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<t_png_reader*>(png_get_io_ptr(png));
    if (reader->pos + count > reader->bytes->size()) png_error(png, "truncated");
    std::memcpy(out, reader->bytes->data() + reader->pos, count);
    reader->pos += count;
}

// Pictures larger than this are refused before anything is allocated for them.
constexpr size_t MAX_SIDE = 16384;
constexpr size_t MAX_PIXELS = 4096 * 4096;

bool acceptable_size(size_t w, size_t h) { return w > 0 && h > 0 && w <= MAX_SIDE && h <= MAX_SIDE && w * h <= MAX_PIXELS; }

// libpng reports errors by longjmp back to here; everything that owns memory
// belongs to the caller, so the jump skips no destructor.
bool read_png_rows(png_structp png, png_infop info, std::vector<uint8_t>& rows, std::vector<png_bytep>& row_ptrs,
                   png_uint_32& w, png_uint_32& h) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    w = png_get_image_width(png, info);
    h = png_get_image_height(png, info);
    if (!acceptable_size(w, h)) png_error(png, "size");
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 4) png_error(png, "row size");
    rows.resize(static_cast<size_t>(w) * h * 4);
    row_ptrs.resize(h);
    for (png_uint_32 y = 0; y < h; ++y) row_ptrs[y] = rows.data() + static_cast<size_t>(y) * w * 4;
    png_read_image(png, row_ptrs.data());
    png_read_end(png, nullptr);
    return true;
}

t_pixmap_ref decode_png(const std::vector<uint8_t>& bytes) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return nullptr;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return nullptr;
    }
    t_png_reader reader{&bytes, 0};
    png_set_read_fn(png, &reader, png_read_from_memory);
    std::vector<uint8_t> rows;
    std::vector<png_bytep> row_ptrs;
    png_uint_32 w = 0, h = 0;
    const bool ok = read_png_rows(png, info, rows, row_ptrs, w, h);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) return nullptr;

    auto result = std::make_shared<t_pixmap>(static_cast<int>(w), static_cast<int>(h));
    uint32_t* out = result->data();
    for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
        const uint8_t* p = rows.data() + i * 4;
        out[i] = (static_cast<uint32_t>(p[3]) << 24) | (static_cast<uint32_t>(p[0]) << 16) |
                 (static_cast<uint32_t>(p[1]) << 8) | p[2];
    }
    return result;
}

// Palette pictures keep one byte per pixel: the colours come later from a table.
bool read_indexed_rows(png_structp png, png_infop info, t_indexed_picture& out, std::vector<png_bytep>& row_ptrs) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    if (!acceptable_size(w, h) || png_get_color_type(png, info) != PNG_COLOR_TYPE_PALETTE) return false;
    png_colorp colours = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &colours, &count) == 0 || count <= 0 || count > 256) return false;
    out.rgb.assign(256, 0);
    out.alpha.assign(256, 255);
    out.palette_size = static_cast<size_t>(count);
    for (size_t i = 0; i < out.palette_size; ++i)
        out.rgb[i] = (static_cast<uint32_t>(colours[i].red) << 16) | (static_cast<uint32_t>(colours[i].green) << 8) |
                     colours[i].blue;
    png_bytep trans = nullptr;
    int trans_count = 0;
    if (png_get_tRNS(png, info, &trans, &trans_count, nullptr) != 0 && trans != nullptr)
        for (size_t i = 0; i < static_cast<size_t>(std::clamp(trans_count, 0, 256)); ++i) out.alpha[i] = trans[i];
    png_set_packing(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(w)) png_error(png, "row size");
    out.width = static_cast<int>(w);
    out.height = static_cast<int>(h);
    out.indices.resize(static_cast<size_t>(w) * h);
    row_ptrs.resize(h);
    for (png_uint_32 y = 0; y < h; ++y) row_ptrs[y] = out.indices.data() + static_cast<size_t>(y) * w;
    png_read_image(png, row_ptrs.data());
    png_read_end(png, nullptr);
    return true;
}

struct t_jpeg_error {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void jpeg_fail(j_common_ptr info) { std::longjmp(reinterpret_cast<t_jpeg_error*>(info->err)->jump, 1); }
void jpeg_quiet(j_common_ptr /*info*/) {}

// As for PNG: the caller owns the memory, libjpeg's errors jump back here.
bool read_jpeg_rows(jpeg_decompress_struct& info, t_jpeg_error& err, const std::vector<uint8_t>& bytes,
                    std::vector<uint8_t>& rgb) {
    if (setjmp(err.jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (!acceptable_size(info.image_width, info.image_height)) return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const size_t w = info.output_width, h = info.output_height;
    if (!acceptable_size(w, h) || info.output_components != 3) return false;
    rgb.resize(w * h * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rp = rgb.data() + static_cast<size_t>(info.output_scanline) * w * 3;
        jpeg_read_scanlines(&info, &rp, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

t_pixmap_ref decode_jpeg(const std::vector<uint8_t>& bytes) {
    jpeg_decompress_struct info{};
    t_jpeg_error err{};
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpeg_fail;
    err.mgr.output_message = jpeg_quiet;
    std::vector<uint8_t> rgb;
    const bool ok = read_jpeg_rows(info, err, bytes, rgb);
    const int w = static_cast<int>(info.output_width);
    const int h = static_cast<int>(info.output_height);
    jpeg_destroy_decompress(&info);
    if (!ok) return nullptr;
    auto result = std::make_shared<t_pixmap>(w, h);
    uint32_t* out = result->data();
    for (size_t i = 0; i < static_cast<size_t>(w) * static_cast<size_t>(h); ++i) {
        const uint8_t* p = rgb.data() + i * 3;
        out[i] = 0xFF000000u | (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
    }
    return result;
}

} // namespace

t_pixmap_ref decode_picture(const std::vector<uint8_t>& bytes) {
    static const uint8_t png_sig[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), png_sig, 8) == 0) return decode_png(bytes);
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return decode_jpeg(bytes);
    return nullptr;
}

t_indexed_picture_ref decode_indexed_png(const std::vector<uint8_t>& bytes) {
    static const uint8_t png_sig[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    if (bytes.size() < 8 || std::memcmp(bytes.data(), png_sig, 8) != 0) return nullptr;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return nullptr;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return nullptr;
    }
    t_png_reader reader{&bytes, 0};
    png_set_read_fn(png, &reader, png_read_from_memory);
    auto picture = std::make_shared<t_indexed_picture>();
    std::vector<png_bytep> row_ptrs;
    const bool ok = read_indexed_rows(png, info, *picture, row_ptrs);
    png_destroy_read_struct(&png, &info, nullptr);
    return ok ? picture : nullptr;
}

t_pixmap_ref load_pixmap(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) return nullptr;
    return decode_picture(bytes);
}

bool save_png(const t_pixmap& pixmap, const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    const auto w = static_cast<png_uint_32>(pixmap.width());
    const auto h = static_cast<png_uint_32>(pixmap.height());
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(static_cast<size_t>(w) * 4);
    for (png_uint_32 y = 0; y < h; ++y) {
        for (png_uint_32 x = 0; x < w; ++x) {
            const uint32_t p = pixmap.read_pixel(static_cast<int>(x), static_cast<int>(y));
            row[x * 4 + 0] = static_cast<uint8_t>(p >> 16);
            row[x * 4 + 1] = static_cast<uint8_t>(p >> 8);
            row[x * 4 + 2] = static_cast<uint8_t>(p);
            row[x * 4 + 3] = static_cast<uint8_t>(p >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}
