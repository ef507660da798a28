#include "text/FontMetrics.h"

#include <array>
#include <initializer_list>

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
              {7, {'!', 'I', 'l', '|'}},
              {8, {'\'', '.', 'i'}},
              {9, {':'}},
              {10, {',', '1', ';', 'j', 0xCE, 0xEE}},
              {11, {'/', 'J'}},
              {12, {'s', 0xCF, 0xEF}},
              {13, {' ', 'f', 'r'}},
              {14, {'"', '(', ')', '*', '-', 't'}},
              {15, {'+', 'c', 0xE7}},
              {16, {'$', '5', '=', '?', 'S', 'x', 'z'}},
              {17, {'3', '7', 'h', 'v'}},
              {18, {'2', '4', '6', '8', '9', 'E', 'F', 'L', 'Z', 'e', 'n', 'o', 'y', 0xC8, 0xC9, 0xCA, 0xCB, 0xDF,
                    0xE8, 0xE9, 0xEA, 0xEB, 0xF4, 0xF6, 0xFF}},
              {19, {'T', 'b', 'd', 'g', 'k', 'p', 'u', 0xF9, 0xFB, 0xFC}},
              {21, {'0', 'C', 'P', 'U', 'V', 'X', 0xD9, 0xDB, 0xDC}},
              {22, {'D'}},
              {23, {'#', 'G', 'H', 'N'}},
              {24, {'&', 'A', 0xC0, 0xC2, 0xC4}},
              {25, {'M', 'O', 'Q', 'w', 0xD4, 0xD6}},
              {26, {'%'}},
              {27, {0xC6}},
              {28, {'m', 0x9C, 0xE6}},
              {29, {0x8C}},
              {30, {'W'}},
          });
  return bases;
}

// Indexed by the folded capital.
const std::array<int, 256>& CommentBases() {
  static const std::array<int, 256> bases = MakeBases(
      20, {
              {12, {' '}},
              {19, {':'}},
              {21, {'!'}},
              {22, {'-', '1', 'I', 0xCE, 0xCF}},
              {24, {'2', '3', 'J'}},
              {26, {'5', '7', 'F', 'S'}},
              {27, {'6', '8', 'E', 'L', 0xC8, 0xC9, 0xCA, 0xCB}},
              {28, {'0', '4', '9'}},
              {30, {'C', 'N', 'T', 'Z', 0xC7}},
              {31, {'&', 'A', 'B', 'P', 'V', 0xC0, 0xC2, 0xC4}},
              {32, {'G', 'Q', 'R', 'Y', 0x9F}},
              {33, {'D', 'K', 'O', 'U', 0xD4, 0xD6, 0xD9, 0xDB, 0xDC, 0xDF}},
              {34, {'X'}},
              {35, {'H'}},
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

std::uint8_t FoldToCapital(std::uint8_t code) {
  if (code >= 'a' && code <= 'z') return std::uint8_t(code - ('a' - 'A'));
  if (code == 0x9C) return 0x8C;  // œ
  if (code == 0xFF) return 0x9F;  // ÿ
  for (int c : kAccentedSmall)
    if (c == code) return std::uint8_t(code - 0x20);  // à..ü sit 32 above their capitals
  return code;
}

int GlyphPattern(TGameFontKind kind, std::uint8_t code) {
  const int pattern = Patterns(kind)[LookupCode(kind, code)];
  return pattern < 0 ? 0 : pattern;
}

bool FontHasGlyph(TGameFontKind kind, std::uint8_t code) { return Patterns(kind)[LookupCode(kind, code)] >= 0; }

int GlyphBase(TGameFontKind kind, std::uint8_t code) {
  return kind == fkAirstripComment ? CommentBases()[FoldToCapital(code)] : NormalBases()[code];
}

int AdvanceWidth(TGameFontKind kind, std::uint8_t code, int spacing, float scale) {
  return RoundToEven(double(spacing + GlyphBase(kind, code)) * double(scale));
}

}  // namespace qm
