#pragma once

// The generator's view of the game's two bitmap fonts. The tables themselves
// live in the game library (text/FontMetrics.h), so the pictures drawn here
// and the widths checked here are the ones the game uses.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace contentgen {

struct TGlyph {
  std::uint8_t Code;     // cp1252 byte
  const char* Utf8;      // what to draw
};

// Pattern p of "GlobalFontWhite" shows NormalGlyphs()[p] (120 patterns).
const std::vector<TGlyph>& NormalGlyphs();
// Pattern p of "CommentFont" shows CommentGlyphs()[p] (61 patterns, capitals).
const std::vector<TGlyph>& CommentGlyphs();
// The second sheets, "GlobalFontWhiteMore" and "CommentFontMore".
const std::vector<TGlyph>& NormalMoreGlyphs();
const std::vector<TGlyph>& CommentMoreGlyphs();

bool NormalFontHas(std::uint8_t code);
// True for characters that have a glyph of their own after folding to capitals.
bool CommentFontHas(std::uint8_t code);

int NormalBase(std::uint8_t code);
int CommentBase(std::uint8_t code);  // folded to capitals first

// Width of a cp1252 string in the normal font, as the game measures it.
int MeasureNormal(std::string_view text, int spacing, double scale);

// The non-empty lines of a cp1252 text wrapped at maxWidth the way the game
// wraps it.
std::vector<std::string> WrapNormal(std::string_view text, int spacing, int maxWidth, double scale);

// UTF-8 wording to the cp1252 bytes the text files hold; throws on a
// character cp1252 cannot hold.
std::string ToCp1252(std::string_view utf8);

}  // namespace contentgen
