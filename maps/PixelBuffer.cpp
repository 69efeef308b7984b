#include "maps/PixelBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include <cairo.h>
#include <png.h>

namespace {

void SetSource(cairo_t* cr, Rgb colour) {
    cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                         (colour & 0xFF) / 255.0);
}

void AppendPng(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), length);
}

void FlushPng(png_structp) {}

} // namespace

PixelBuffer::PixelBuffer(int width, int height)
    : m_width(std::max(width, 1)), m_height(std::max(height, 1)) {
    m_surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_width, m_height);
    m_data = cairo_image_surface_get_data(m_surface);
    m_stride = cairo_image_surface_get_stride(m_surface);
    Fill(kBlack);
}

PixelBuffer::~PixelBuffer() {
    if (m_surface)
        cairo_surface_destroy(m_surface);
}

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : MapCanvas(other), m_surface(std::exchange(other.m_surface, nullptr)),
      m_data(std::exchange(other.m_data, nullptr)), m_stride(other.m_stride),
      m_width(other.m_width), m_height(other.m_height), m_fontPixels(other.m_fontPixels) {}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
    if (this != &other) {
        if (m_surface)
            cairo_surface_destroy(m_surface);
        MapCanvas::operator=(other);
        m_surface = std::exchange(other.m_surface, nullptr);
        m_data = std::exchange(other.m_data, nullptr);
        m_stride = other.m_stride;
        m_width = other.m_width;
        m_height = other.m_height;
        m_fontPixels = other.m_fontPixels;
    }
    return *this;
}

PixelBuffer PixelBuffer::Clone() const {
    PixelBuffer copy(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        std::memcpy(copy.Row(y), Row(y), sizeof(std::uint32_t) * m_width);
    return copy;
}

std::uint32_t* PixelBuffer::Row(int y) {
    return reinterpret_cast<std::uint32_t*>(m_data + static_cast<std::ptrdiff_t>(y) * m_stride);
}

const std::uint32_t* PixelBuffer::Row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(m_data +
                                                  static_cast<std::ptrdiff_t>(y) * m_stride);
}

TextExtent PixelBuffer::MeasureText(std::string_view text) {
    cairo_t* cr = cairo_create(m_surface);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, m_fontPixels);
    const std::string owned(text);
    cairo_text_extents_t extents;
    cairo_font_extents_t font;
    cairo_text_extents(cr, owned.c_str(), &extents);
    cairo_font_extents(cr, &font);
    cairo_destroy(cr);
    return {static_cast<int>(std::ceil(extents.x_advance)),
            static_cast<int>(std::ceil(font.ascent + font.descent))};
}

void PixelBuffer::DrawText(int x, int y, std::string_view text, Rgb ink, Rgb paper) {
    const TextExtent size = MeasureText(text);
    FillBox({x, y, x + size.width, y + size.height}, paper);
    cairo_surface_mark_dirty(m_surface);
    cairo_t* cr = cairo_create(m_surface);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, m_fontPixels);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    SetSource(cr, ink);
    cairo_move_to(cr, x, y + font.ascent);
    const std::string owned(text);
    cairo_show_text(cr, owned.c_str());
    cairo_destroy(cr);
    cairo_surface_flush(m_surface);
    // cairo leaves the unused top byte as it likes; the canvas keeps it opaque.
    for (int row = std::max(y, 0); row < std::min(y + size.height, m_height); ++row)
        for (int col = std::max(x, 0); col < std::min(x + size.width, m_width); ++col)
            Row(row)[col] |= 0xFF000000u;
}

void PixelBuffer::StrokeSmoothLines(const std::vector<MapPolyline>& lines, Rgb colour, double width,
                                    const WorldFrame& clip) {
    cairo_surface_mark_dirty(m_surface);
    cairo_t* cr = cairo_create(m_surface);
    if (clip.greatCircle)
        cairo_arc(cr, clip.CentreX(), clip.CentreY(), clip.DiscRadius(), 0.0, 2.0 * M_PI);
    else
        cairo_rectangle(cr, clip.left - 0.5, clip.top - 0.5, clip.width + 1.0, clip.height + 1.0);
    cairo_clip(cr);
    SetSource(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const MapPolyline& line : lines) {
        if (line.empty())
            continue;
        cairo_move_to(cr, line[0].x, line[0].y);
        for (std::size_t i = 1; i < line.size(); ++i)
            cairo_line_to(cr, line[i].x, line[i].y);
        if (line.size() == 1)
            cairo_line_to(cr, line[0].x, line[0].y);
        cairo_stroke(cr);
    }
    cairo_destroy(cr);
    cairo_surface_flush(m_surface);
    // cairo leaves the unused top byte as it likes; the canvas keeps it opaque.
    for (int y = 0; y < m_height; ++y) {
        std::uint32_t* row = Row(y);
        for (int x = 0; x < m_width; ++x)
            row[x] |= 0xFF000000u;
    }
}

std::optional<std::string> PixelBuffer::EncodePng() const {
    // Maps are large flat areas: fast compression gives nearly the smallest file.
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return std::nullopt;
    png_infop info = png_create_info_struct(png);
    std::string bytes;
    std::vector<png_byte> row(static_cast<std::size_t>(m_width) * 3);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return std::nullopt;
    }
    png_set_write_fn(png, &bytes, AppendPng, FlushPng);
    png_set_IHDR(png, info, m_width, m_height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_write_info(png, info);
    for (int y = 0; y < m_height; ++y) {
        const std::uint32_t* pixels = Row(y);
        for (int x = 0; x < m_width; ++x) {
            row[3 * x] = static_cast<png_byte>(pixels[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(pixels[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(pixels[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}
