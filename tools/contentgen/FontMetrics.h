#pragma once

// The two bitmap fonts as the game reads them: which character sits on which
// pattern and how far each character advances. The generator draws the font
// pictures from these tables and measures its own texts with them, so the
// wording is checked against the same widths the game will use.

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

bool NormalFontHas(std::uint8_t code);
// True for characters that have a glyph of their own after folding to capitals.
bool CommentFontHas(std::uint8_t code);

int NormalBase(std::uint8_t code);
int CommentBase(std::uint8_t code);  // folded to capitals first

// Width of a cp1252 string in the normal font: the sum of the rounded
// advances, halves to even.
int MeasureNormal(std::string_view text, int spacing, double scale);

// Breaks a cp1252 text into lines that fit maxWidth, word by word, the way the
// game wraps (a word wider than the width sits alone on its line).
std::vector<std::string> WrapNormal(std::string_view text, int spacing, int maxWidth, double scale);

// UTF-8 wording to the cp1252 bytes the text files hold; throws on a
// character cp1252 cannot hold.
std::string ToCp1252(std::string_view utf8);

}  // namespace contentgen
