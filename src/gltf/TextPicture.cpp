#include "TextPicture.h"

#include "PngImage.h"

#include "scene/Error.h"
#include "vrml/VrmlString.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace norvane {

namespace {

constexpr int kPixelsPerEm = 64;
constexpr int kWidestPicture = 4096;

// The characters a world shows of `text` (see shownVrmlText), tabs left out: a picture has no
// room to align them.
std::u32string charactersOf(std::string_view text) {
    const std::string shown = shownVrmlText(text); // valid UTF-8 from here on
    std::u32string out;
    for (std::size_t i = 0; i < shown.size();) {
        const auto lead = static_cast<unsigned char>(shown[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFFu >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            c = c << 6 | (static_cast<unsigned char>(shown[i + k]) & 0x3Fu);
        if (c != '\t')
            out += c;
        i += length;
    }
    return out;
}

struct FontFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FontFace() {
        if (FT_Init_FreeType(&library) || FT_New_Face(library, NORVANE_TEXT_FONT, 0, &face))
            throw Error(std::string("Cannot read the font ") + NORVANE_TEXT_FONT);
    }
    ~FontFace() {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;
};

// The pen's advance over `text` in 26.6 pixels at the face's size.
long advanceOf(FT_Face face, const std::u32string& text) {
    long advance = 0;
    for (const char32_t c : text)
        if (!FT_Load_Char(face, c, FT_LOAD_DEFAULT))
            advance += face->glyph->advance.x;
    return advance;
}

} // namespace

TextPicture textPicture(std::string_view utf8) {
    static const FontFace font;
    FT_Face face = font.face;
    const std::u32string text = charactersOf(utf8);
    FT_Set_Pixel_Sizes(face, 0, kPixelsPerEm);
    long advance = advanceOf(face, text);
    int pixelsPerEm = kPixelsPerEm;
    if (advance / 64 >= kWidestPicture) {
        pixelsPerEm =
            std::max(1, static_cast<int>(kPixelsPerEm * (kWidestPicture - 2) * 64 / advance));
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelsPerEm));
        advance = advanceOf(face, text);
    }
    const int ascent = static_cast<int>((face->size->metrics.ascender + 63) / 64);
    const int descent = static_cast<int>(face->size->metrics.descender / 64);
    const int width = std::max(1, static_cast<int>((advance + 63) / 64));
    const int height = ascent - descent;
    std::vector<unsigned char> alpha(std::size_t(width) * std::size_t(height), 0);
    long pen = 0;
    for (const char32_t c : text) {
        if (FT_Load_Char(face, c, FT_LOAD_RENDER))
            continue;
        const FT_GlyphSlot glyph = face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        const int left = static_cast<int>(pen / 64) + glyph->bitmap_left;
        const int top = ascent - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const int x = left + static_cast<int>(column), y = top + static_cast<int>(row);
                if (x < 0 || x >= width || y < 0 || y >= height)
                    continue;
                unsigned char& at = alpha[std::size_t(y) * std::size_t(width) + std::size_t(x)];
                at =
                    std::max(at, bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + column]);
            }
        pen += glyph->advance.x;
    }
    const double em = pixelsPerEm;
    return {whitePngWithAlpha(width, height, alpha), width / em, ascent / em, descent / em};
}

} // namespace norvane
