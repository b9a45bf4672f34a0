#include "TextPicture.h"

#include "PngImage.h"

#include "scene/Error.h"

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
constexpr char32_t kReplacement = 0xFFFD;

// The characters of `text`; a byte that starts no well-formed sequence reads as U+FFFD.
std::u32string charactersOf(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80       ? 1
                                   : lead >> 5 == 6  ? 2
                                   : lead >> 4 == 14 ? 3
                                   : lead >> 3 == 30 ? 4
                                                     : 0;
        char32_t c = length == 1 ? lead : lead & (0x7f >> length);
        bool wellFormed = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            wellFormed = (next & 0xc0) == 0x80;
            c = c << 6 | (next & 0x3f);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        wellFormed =
            wellFormed && c >= least[length] && c <= 0x10ffff && (c < 0xd800 || c > 0xdfff);
        if (!wellFormed)
            out += kReplacement, ++i;
        else if (c >= 0x20 && (c < 0x7f || c > 0x9f))
            out += c, i += length;
        else
            i += length; // control characters draw nothing
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
