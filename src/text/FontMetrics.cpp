#include "text/FontMetrics.h"

#include <array>
#include <initializer_list>
#include <utility>

#include "engine/StepHelpers.h"

namespace qm {

namespace {

using TCodes = std::initializer_list<int>;

// Latin-1 letters both fonts carry, in pattern order: the capitals, then
// (normal font only) the small ones.
constexpr TCodes kAccentedCapitals = {0xC0, 0xC2, 0xC4, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xCB,
                                      0xCE, 0xCF, 0xD4, 0xD6, 0x8C, 0xD9, 0xDB, 0xDC, 0x9F};
constexpr TCodes kAccentedSmall = {0xE0, 0xE2, 0xE4, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB,
                                   0xEE, 0xEF, 0xF4, 0xF6, 0x9C, 0xF9, 0xFB, 0xFC, 0xFF};
constexpr int kSharpS = 0xDF;
// On the second sheet: á å í ñ ó ø ú and their capitals, then the signs
// ¡ ¿ « » „ “ ” ‚ ‘ ’ – —.
constexpr TCodes kMoreCapitals = {0xC1, 0xC5, 0xCD, 0xD1, 0xD3, 0xD8, 0xDA};
constexpr TCodes kMoreSmall = {0xE1, 0xE5, 0xED, 0xF1, 0xF3, 0xF8, 0xFA};
constexpr TCodes kMoreSigns = {0xA1, 0xBF, 0xAB, 0xBB, 0x84, 0x93, 0x94, 0x82, 0x91, 0x92, 0x96, 0x97};

void AddRange(std::vector<std::uint8_t>& codes, char first, char last) {
  for (int c = first; c <= last; ++c) codes.push_back(std::uint8_t(c));
}

void AddCodes(std::vector<std::uint8_t>& codes, TCodes list) {
  for (int c : list) codes.push_back(std::uint8_t(c));
}

std::vector<std::uint8_t> MakeNormalCodes() {
  std::vector<std::uint8_t> codes;
  AddRange(codes, 'A', 'Z');
  AddRange(codes, 'a', 'z');
  AddRange(codes, '0', '9');
  AddCodes(codes, {'!', '#', '$', '%', '&', '*', '(', ')', '-', '+', '=', ';', ':', '\'', '"', ',', '.', '/', '?',
                   '|', ' '});
  AddCodes(codes, kAccentedCapitals);
  AddCodes(codes, kAccentedSmall);
  AddCodes(codes, {kSharpS});
  return codes;
}

std::vector<std::uint8_t> MakeNormalMoreCodes() {
  std::vector<std::uint8_t> codes;
  AddCodes(codes, kMoreCapitals);
  AddCodes(codes, kMoreSmall);
  AddCodes(codes, kMoreSigns);
  return codes;
}

std::vector<std::uint8_t> MakeCommentMoreCodes() {
  std::vector<std::uint8_t> codes;
  AddCodes(codes, kMoreCapitals);
  AddCodes(codes, kMoreSigns);
  return codes;
}

std::vector<std::uint8_t> MakeCommentCodes() {
  std::vector<std::uint8_t> codes;
  AddRange(codes, 'A', 'Z');
  AddRange(codes, '0', '9');
  AddCodes(codes, {'\'', ':', '!', '&', '-', ' '});
  AddCodes(codes, kAccentedCapitals);
  AddCodes(codes, {kSharpS});
  return codes;
}

struct TBaseRow {
  int Base;
  TCodes Codes;
};

std::array<int, 256> MakeBases(int fallback, std::initializer_list<TBaseRow> rows) {
  std::array<int, 256> bases;
  bases.fill(fallback);
  for (const TBaseRow& row : rows)
    for (int c : row.Codes) bases[c] = row.Base;
  return bases;
}

// Indexed by the character as written.
const std::array<int, 256>& NormalBases() {
  static const std::array<int, 256> bases = MakeBases(
      20, {
              {7, {'!', 'I', 'l', '|', 0xA1}},
              {8, {'\'', '.', 'i', 0x82, 0x91, 0x92}},
              {9, {':'}},
              {10, {',', '1', ';', 'j', 0xCE, 0xEE, 0xCD, 0xED}},
              {11, {'/', 'J'}},
              {12, {'s', 0xCF, 0xEF}},
              {13, {' ', 'f', 'r'}},
              {14, {'"', '(', ')', '*', '-', 't', 0x84, 0x93, 0x94}},
              {15, {'+', 'c', 0xE7}},
              {16, {'$', '5', '=', '?', 'S', 'x', 'z', 0xBF, 0xAB, 0xBB, 0x96}},
              {17, {'3', '7', 'h', 'v'}},
              {18, {'2', '4', '6', '8', '9', 'E', 'F', 'L', 'Z', 'e', 'n', 'o', 'y', 0xC8, 0xC9, 0xCA, 0xCB, 0xDF,
                    0xE8, 0xE9, 0xEA, 0xEB, 0xF4, 0xF6, 0xFF, 0xF1, 0xF3, 0xF8}},
              {19, {'T', 'b', 'd', 'g', 'k', 'p', 'u', 0xF9, 0xFB, 0xFC, 0xFA}},
              {21, {'0', 'C', 'P', 'U', 'V', 'X', 0xD9, 0xDB, 0xDC, 0xDA}},
              {22, {'D'}},
              {23, {'#', 'G', 'H', 'N', 0xD1}},
              {24, {'&', 'A', 0xC0, 0xC2, 0xC4, 0xC1, 0xC5}},
              {25, {'M', 'O', 'Q', 'w', 0xD4, 0xD6, 0xD3, 0xD8}},
              {26, {'%'}},
              {27, {0xC6}},
              {28, {'m', 0x9C, 0xE6}},
              {29, {0x8C, 0x97}},
              {30, {'W'}},
          });
  return bases;
}

// Indexed by the folded capital.
const std::array<int, 256>& CommentBases() {
  static const std::array<int, 256> bases = MakeBases(
      20, {
              {12, {' '}},
              {19, {':', 0x82, 0x91, 0x92}},
              {21, {'!', 0xA1}},
              {22, {'-', '1', 'I', 0xCE, 0xCF, 0xCD}},
              {24, {'2', '3', 'J', 0x84, 0x93, 0x94}},
              {26, {'5', '7', 'F', 'S', 0xBF, 0xAB, 0xBB, 0x96}},
              {27, {'6', '8', 'E', 'L', 0xC8, 0xC9, 0xCA, 0xCB}},
              {28, {'0', '4', '9'}},
              {30, {'C', 'N', 'T', 'Z', 0xC7, 0xD1}},
              {31, {'&', 'A', 'B', 'P', 'V', 0xC0, 0xC2, 0xC4, 0xC1, 0xC5}},
              {32, {'G', 'Q', 'R', 'Y', 0x9F}},
              {33, {'D', 'K', 'O', 'U', 0xD4, 0xD6, 0xD9, 0xDB, 0xDC, 0xDF, 0xD3, 0xD8, 0xDA}},
              {34, {'X'}},
              {35, {'H'}},
              {36, {0x97}},
              {37, {'M'}},
              {42, {0xC6}},
              {43, {0x8C}},
              {44, {'W'}},
          });
  return bases;
}

// Pattern of every code; -1 where the font has no glyph.
std::array<int, 256> MakePatterns(const std::vector<std::uint8_t>& codes) {
  std::array<int, 256> patterns;
  patterns.fill(-1);
  for (std::size_t p = 0; p < codes.size(); ++p) patterns[codes[p]] = int(p);
  return patterns;
}

const std::array<int, 256>& Patterns(TGameFontKind kind) {
  static const std::array<int, 256> normal = MakePatterns(FontGlyphCodes(fkAirstripNormal));
  static const std::array<int, 256> comment = MakePatterns(FontGlyphCodes(fkAirstripComment));
  return kind == fkAirstripComment ? comment : normal;
}

const std::array<int, 256>& MorePatterns(TGameFontKind kind) {
  static const std::array<int, 256> normal = MakePatterns(FontMoreGlyphCodes(fkAirstripNormal));
  static const std::array<int, 256> comment = MakePatterns(FontMoreGlyphCodes(fkAirstripComment));
  return kind == fkAirstripComment ? comment : normal;
}

// The code a font looks up for a character.
std::uint8_t LookupCode(TGameFontKind kind, std::uint8_t code) {
  return kind == fkAirstripComment ? FoldToCapital(code) : code;
}

}  // namespace

const std::vector<std::uint8_t>& FontGlyphCodes(TGameFontKind kind) {
  static const std::vector<std::uint8_t> normal = MakeNormalCodes();
  static const std::vector<std::uint8_t> comment = MakeCommentCodes();
  return kind == fkAirstripComment ? comment : normal;
}

const std::vector<std::uint8_t>& FontMoreGlyphCodes(TGameFontKind kind) {
  static const std::vector<std::uint8_t> normal = MakeNormalMoreCodes();
  static const std::vector<std::uint8_t> comment = MakeCommentMoreCodes();
  return kind == fkAirstripComment ? comment : normal;
}

std::uint8_t FoldToCapital(std::uint8_t code) {
  if (code >= 'a' && code <= 'z') return std::uint8_t(code - ('a' - 'A'));
  if (code == 0x9C) return 0x8C;  // œ
  if (code == 0xFF) return 0x9F;  // ÿ
  for (TCodes small : {kAccentedSmall, kMoreSmall})
    for (int c : small)
      if (c == code) return std::uint8_t(code - 0x20);  // à..ü sit 32 above their capitals
  return code;
}

std::uint8_t PlainLetter(std::uint8_t code) {
  static const std::array<std::uint8_t, 256> plain = [] {
    std::array<std::uint8_t, 256> letters;
    for (int c = 0; c < 256; ++c) letters[c] = std::uint8_t(c);
    const std::pair<int, char> folds[] = {
        {0xC1, 'A'}, {0xC5, 'A'}, {0xCD, 'I'}, {0xD1, 'N'}, {0xD3, 'O'}, {0xD8, 'O'}, {0xDA, 'U'},
        {0xE1, 'a'}, {0xE5, 'a'}, {0xED, 'i'}, {0xF1, 'n'}, {0xF3, 'o'}, {0xF8, 'o'}, {0xFA, 'u'},
        {0xA1, '!'}, {0xBF, '?'}, {0xAB, '"'}, {0xBB, '"'}, {0x84, '"'}, {0x93, '"'}, {0x94, '"'},
        {0x82, ','}, {0x91, '\''}, {0x92, '\''}, {0x96, '-'}, {0x97, '-'}};
    for (const auto& [code, letter] : folds) letters[code] = std::uint8_t(letter);
    return letters;
  }();
  return plain[code];
}

TGlyphCell GlyphCell(TGameFontKind kind, std::uint8_t code) {
  const std::uint8_t looked = LookupCode(kind, code);
  if (const int more = MorePatterns(kind)[looked]; more >= 0) return {true, more};
  return {false, GlyphPattern(kind, code)};
}

int GlyphPattern(TGameFontKind kind, std::uint8_t code) {
  const int pattern = Patterns(kind)[LookupCode(kind, PlainLetter(code))];
  return pattern < 0 ? 0 : pattern;
}

bool FontHasGlyph(TGameFontKind kind, std::uint8_t code) {
  const std::uint8_t looked = LookupCode(kind, code);
  return Patterns(kind)[looked] >= 0 || MorePatterns(kind)[looked] >= 0;
}

int GlyphBase(TGameFontKind kind, std::uint8_t code) {
  return kind == fkAirstripComment ? CommentBases()[FoldToCapital(code)] : NormalBases()[code];
}

int AdvanceWidth(TGameFontKind kind, std::uint8_t code, int spacing, float scale) {
  return RoundToEven(double(spacing + GlyphBase(kind, code)) * double(scale));
}

}  // namespace qm
