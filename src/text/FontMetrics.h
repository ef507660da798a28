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

// The letters and signs the other Western European languages need beyond
// the font's own sheet, in pattern order on the font's second sheet
// ("GlobalFontWhiteMore", "CommentFontMore"): á å í ñ ó ø ú with their
// capitals (the comment font capitals only), ¡ ¿ « » „ “ ” ‚ ‘ ’ – —.
const std::vector<std::uint8_t>& FontMoreGlyphCodes(TGameFontKind kind);

// Where a character's glyph sits: on the font's own sheet or on its second
// one.
struct TGlyphCell {
  bool OnMoreSheet = false;
  int Pattern = 0;
};
TGlyphCell GlyphCell(TGameFontKind kind, std::uint8_t code);

// The letter drawn from the font's own sheet for a character of the second
// one where a data folder has no second sheet: á as a, « as ", – as -.
std::uint8_t PlainLetter(std::uint8_t code);

// The comment font has capitals only: small letters, the small accented
// letters, œ and ÿ turn into their capitals before any lookup.
std::uint8_t FoldToCapital(std::uint8_t code);

// Pattern of the font's own sheet that draws the character; a character of
// the second sheet draws its plain letter's, one without a glyph of its own
// pattern 0 (the "A").
int GlyphPattern(TGameFontKind kind, std::uint8_t code);
// Whether the character has a glyph of its own on either sheet.
bool FontHasGlyph(TGameFontKind kind, std::uint8_t code);

// Width of the character at spacing 0 and scale 1.
int GlyphBase(TGameFontKind kind, std::uint8_t code);

// round((spacing + base) * scale), halves to even. The product is taken
// exactly, not in single precision, so a scale such as 0.7 (stored a hair
// below 0.7) never rounds a x.49999 advance up.
int AdvanceWidth(TGameFontKind kind, std::uint8_t code, int spacing, float scale);

}  // namespace qm
