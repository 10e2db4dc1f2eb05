#include "renderIcon.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <vl/display/toSfColor.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// A FreeType library with one face open, both released on destruction.
class OpenFace {
  public:
    explicit OpenFace(const std::string& font_file) {
        if (FT_Init_FreeType(&library) == 0) {
            opened = FT_New_Face(library, font_file.c_str(), 0, &face) == 0;
        }
    }
    ~OpenFace() {
        if (opened) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
    OpenFace(const OpenFace&) = delete;
    OpenFace& operator=(const OpenFace&) = delete;

    FT_Face get() const { return opened ? face : nullptr; }

  private:
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    bool opened = false;
};

// Lightens the icon's pixel towards colour by the glyph's coverage; where
// glyphs overlap, the stronger coverage wins.
void paint(sf::Image& icon, int x, int y, sf::Color color, unsigned char coverage) {
    const sf::Vector2u size = icon.getSize();
    if (x < 0 || y < 0 || x >= static_cast<int>(size.x) || y >= static_cast<int>(size.y)) {
        return;
    }
    const auto scaled = [coverage](sf::Uint8 channel) {
        return static_cast<sf::Uint8>(channel * coverage / 255);
    };
    const sf::Color old = icon.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
    icon.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                  sf::Color(std::max(old.r, scaled(color.r)), std::max(old.g, scaled(color.g)),
                            std::max(old.b, scaled(color.b))));
}

// Loads one character's outline into the slot: in font units when scaled is
// false, else at the face's size, unhinted so that it keeps the proportions
// measured in font units.
bool loadOutline(FT_Face face, char character, bool scaled) {
    const FT_Int32 flags = scaled ? FT_LOAD_NO_HINTING : FT_LOAD_NO_SCALE;
    return FT_Load_Char(face, static_cast<unsigned char>(character), flags) == 0 &&
           face->glyph->format == FT_GLYPH_FORMAT_OUTLINE;
}

// Where a cell's glyph origin lies in font units, y downwards from the top of
// the first row: columns lie one advance apart, rows one line apart.
FT_Vector cellOrigin(FT_Face face, int row, int column) {
    return {column * face->max_advance_width,
            row * (face->ascender - face->descender) + face->ascender};
}

// Where the frame's ink lies, in the units and directions of cellOrigin.
struct InkBox {
    FT_Pos left = 0;
    FT_Pos top = 0;
    FT_Pos right = 0;
    FT_Pos bottom = 0;
};

// The character in a cell of the frame.
char cellAt(const vl::Frame& frame, int row, int column) {
    return frame.getCells()[static_cast<std::size_t>(row * frame.getWidth() + column)];
}

bool measureInk(FT_Face face, const vl::Frame& frame, InkBox& box) {
    bool found = false;
    for (int row = 0; row < frame.getHeight(); ++row) {
        for (int column = 0; column < frame.getWidth(); ++column) {
            const char character = cellAt(frame, row, column);
            if (character == ' ' || !loadOutline(face, character, false)) {
                continue;
            }
            FT_BBox glyph;
            FT_Outline_Get_CBox(&face->glyph->outline, &glyph);
            const FT_Vector origin = cellOrigin(face, row, column);
            const InkBox cell{origin.x + glyph.xMin, origin.y - glyph.yMax, origin.x + glyph.xMax,
                              origin.y - glyph.yMin};
            box = found ? InkBox{std::min(box.left, cell.left), std::min(box.top, cell.top),
                                 std::max(box.right, cell.right), std::max(box.bottom, cell.bottom)}
                        : cell;
            found = true;
        }
    }
    return found && box.right > box.left && box.bottom > box.top;
}

// Renders the character in the slot in bold, thicker than the display's bold
// text: an icon is mostly seen small.
bool renderBold(FT_Face face, char character) {
    if (!loadOutline(face, character, true)) {
        return false;
    }
    const FT_Pos weight = FT_MulFix(face->units_per_EM, face->size->metrics.y_scale) / 10;
    FT_Outline_Embolden(&face->glyph->outline, weight);
    return FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0;
}

}  // namespace

bool renderIcon(const vl::Frame& frame, vl::Color color, const std::string& font_file,
                unsigned size, sf::Image& icon, std::string& reason) {
    const OpenFace open_face(font_file);
    const FT_Face face = open_face.get();
    if (face == nullptr || !FT_IS_SCALABLE(face)) {
        reason = "cannot read the font " + font_file;
        return false;
    }
    if (frame.getCells().size() != static_cast<std::size_t>(frame.getWidth() * frame.getHeight())) {
        reason = "the frame's cells do not fill its grid";
        return false;
    }
    InkBox ink;
    if (!measureInk(face, frame, ink)) {
        reason = "the frame has no character the font can draw";
        return false;
    }
    // The ink is stretched on each axis to fill the square less a margin.
    const int margin = static_cast<int>(size) / 16;
    const double inner = size - 2.0 * margin;
    const double x_scale = inner / static_cast<double>(ink.right - ink.left);
    const double y_scale = inner / static_cast<double>(ink.bottom - ink.top);
    if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(std::lround(x_scale * face->units_per_EM)),
                           static_cast<FT_UInt>(std::lround(y_scale * face->units_per_EM))) != 0) {
        reason = "the font cannot be drawn at " + std::to_string(size) + " pixels";
        return false;
    }

    icon.create(size, size, sf::Color::Black);
    const sf::Color paint_color = vl::toSfColor(color);
    for (int row = 0; row < frame.getHeight(); ++row) {
        for (int column = 0; column < frame.getWidth(); ++column) {
            const char character = cellAt(frame, row, column);
            if (character == ' ' || !renderBold(face, character)) {
                continue;
            }
            const FT_Bitmap& bitmap = face->glyph->bitmap;
            const FT_Vector origin = cellOrigin(face, row, column);
            const int left = margin +
                             static_cast<int>(std::lround((origin.x - ink.left) * x_scale)) +
                             face->glyph->bitmap_left;
            const int top = margin + static_cast<int>(std::lround((origin.y - ink.top) * y_scale)) -
                            face->glyph->bitmap_top;
            for (unsigned y = 0; y < bitmap.rows; ++y) {
                for (unsigned x_offset = 0; x_offset < bitmap.width; ++x_offset) {
                    paint(icon, left + static_cast<int>(x_offset), top + static_cast<int>(y),
                          paint_color,
                          bitmap.buffer[y * static_cast<unsigned>(bitmap.pitch) + x_offset]);
                }
            }
        }
    }
    return true;
}
