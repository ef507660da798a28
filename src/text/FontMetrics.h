#pragma once

// The two bitmap fonts: which cp1252 character sits on which pattern of the
// font picture and how far each character advances. The game draws and
// measures with these tables, and the content generator renders the font
// pictures and checks its wording with the same ones.

#include <cstdint>
#include <vector>

namespace qm {

enum TGameFontKind { fkAirstripComment, fkAirstripNormal };

// Pattern p of the font's picture shows the character FontGlyphCodes(kind)[p]
// (120 patterns in the normal font, 61 capitals and signs in the comment
// font).
const std::vector<std::uint8_t>& FontGlyphCodes(TGameFontKind kind);

// The comment font has capitals only: small letters, the small accented
// letters, œ and ÿ turn into their capitals before any lookup.
std::uint8_t FoldToCapital(std::uint8_t code);

// Pattern that draws the character; characters without a glyph of their own
// draw pattern 0 (the "A").
int GlyphPattern(TGameFontKind kind, std::uint8_t code);
bool FontHasGlyph(TGameFontKind kind, std::uint8_t code);

// Width of the character at spacing 0 and scale 1.
int GlyphBase(TGameFontKind kind, std::uint8_t code);

// round((spacing + base) * scale), halves to even. The product is taken
// exactly, not in single precision, so a scale such as 0.7 (stored a hair
// below 0.7) never rounds a x.49999 advance up.
int AdvanceWidth(TGameFontKind kind, std::uint8_t code, int spacing, float scale);

}  // namespace qm
