#include "FontMetrics.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace contentgen {
namespace {

std::vector<TGlyph> MakeNormalGlyphs() {
  std::vector<TGlyph> glyphs;
  static const char* const kUpper[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                       "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
  static const char* const kLower[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                       "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
  static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  for (int i = 0; i < 26; ++i) glyphs.push_back({std::uint8_t('A' + i), kUpper[i]});
  for (int i = 0; i < 26; ++i) glyphs.push_back({std::uint8_t('a' + i), kLower[i]});
  for (int i = 0; i < 10; ++i) glyphs.push_back({std::uint8_t('0' + i), kDigits[i]});
  static const char* const kRest[] = {
      "!", "#", "$", "%", "&", "*", "(", ")", "-", "+", "=", ";", ":", "'", "\"", ",", ".", "/", "?", "|", " ",
      "À", "Â", "Ä", "Æ", "Ç", "È", "É", "Ê", "Ë", "Î", "Ï", "Ô", "Ö", "Œ", "Ù", "Û", "Ü", "Ÿ",
      "à", "â", "ä", "æ", "ç", "è", "é", "ê", "ë", "î", "ï", "ô", "ö", "œ", "ù", "û", "ü", "ÿ", "ß"};
  for (const char* s : kRest) glyphs.push_back({std::uint8_t(ToCp1252(s).at(0)), s});
  return glyphs;
}

std::vector<TGlyph> MakeCommentGlyphs() {
  std::vector<TGlyph> glyphs;
  const auto& normal = NormalGlyphs();
  for (int i = 0; i < 26; ++i) glyphs.push_back(normal[i]);
  for (int i = 0; i < 10; ++i) glyphs.push_back(normal[52 + i]);
  static const char* const kRest[] = {"'", ":", "!", "&", "-", " ", "À", "Â", "Ä", "Æ", "Ç", "È", "É", "Ê",
                                      "Ë", "Î", "Ï", "Ô", "Ö", "Œ", "Ù", "Û", "Ü", "Ÿ", "ß"};
  for (const char* s : kRest) glyphs.push_back({std::uint8_t(ToCp1252(s).at(0)), s});
  return glyphs;
}

struct TBaseRow {
  int Base;
  std::vector<const char*> Chars;
};

std::array<int, 256> MakeBases(const std::vector<TBaseRow>& rows) {
  std::array<int, 256> bases;
  bases.fill(20);
  for (const auto& row : rows)
    for (const char* c : row.Chars) bases[std::uint8_t(ToCp1252(c).at(0))] = row.Base;
  return bases;
}

const std::array<int, 256>& NormalBases() {
  static const auto bases = MakeBases({
      {7, {"!", "I", "l", "|"}},
      {8, {"'", ".", "i"}},
      {9, {":"}},
      {10, {",", "1", ";", "j", "Î", "î"}},
      {11, {"/", "J"}},
      {12, {"s", "Ï", "ï"}},
      {13, {" ", "f", "r"}},
      {14, {"\"", "(", ")", "*", "-", "t"}},
      {15, {"+", "c", "ç"}},
      {16, {"$", "5", "=", "?", "S", "x", "z"}},
      {17, {"3", "7", "h", "v"}},
      {18, {"2", "4", "6", "8", "9", "E", "F", "L", "Z", "e", "n", "o", "y", "È", "É", "Ê", "Ë", "ß", "è",
            "é", "ê", "ë", "ô", "ö", "ÿ"}},
      {19, {"T", "b", "d", "g", "k", "p", "u", "ù", "û", "ü"}},
      {21, {"0", "C", "P", "U", "V", "X", "Ù", "Û", "Ü"}},
      {22, {"D"}},
      {23, {"#", "G", "H", "N"}},
      {24, {"&", "A", "À", "Â", "Ä"}},
      {25, {"M", "O", "Q", "w", "Ô", "Ö"}},
      {26, {"%"}},
      {27, {"Æ"}},
      {28, {"m", "œ", "æ"}},
      {29, {"Œ"}},
      {30, {"W"}},
  });
  return bases;
}

const std::array<int, 256>& CommentBases() {
  static const auto bases = MakeBases({
      {12, {" "}},
      {19, {":"}},
      {21, {"!"}},
      {22, {"-", "1", "I", "Î", "Ï"}},
      {24, {"2", "3", "J"}},
      {26, {"5", "7", "F", "S"}},
      {27, {"6", "8", "E", "L", "È", "É", "Ê", "Ë"}},
      {28, {"0", "4", "9"}},
      {30, {"C", "N", "T", "Z", "Ç"}},
      {31, {"&", "A", "B", "P", "V", "À", "Â", "Ä"}},
      {32, {"G", "Q", "R", "Y", "Ÿ"}},
      {33, {"D", "K", "O", "U", "Ô", "Ö", "Ù", "Û", "Ü", "ß"}},
      {34, {"X"}},
      {35, {"H"}},
      {37, {"M"}},
      {42, {"Æ"}},
      {43, {"Œ"}},
      {44, {"W"}},
  });
  return bases;
}

// The comment font folds small letters to capitals before it looks a
// character up.
std::uint8_t FoldToCapital(std::uint8_t c) {
  if (c >= 'a' && c <= 'z') return std::uint8_t(c - 32);
  if (c == 0x9C) return 0x8C;  // œ
  if (c == 0xFF) return 0x9F;  // ÿ
  switch (c) {
    case 0xE0: case 0xE2: case 0xE4: case 0xE6: case 0xE7: case 0xE8: case 0xE9: case 0xEA:
    case 0xEB: case 0xEE: case 0xEF: case 0xF4: case 0xF6: case 0xF9: case 0xFB: case 0xFC:
      return std::uint8_t(c - 32);
    default:
      return c;
  }
}

bool InGlyphs(const std::vector<TGlyph>& glyphs, std::uint8_t code) {
  for (const auto& g : glyphs)
    if (g.Code == code) return true;
  return false;
}

}  // namespace

const std::vector<TGlyph>& NormalGlyphs() {
  static const auto glyphs = MakeNormalGlyphs();
  return glyphs;
}

const std::vector<TGlyph>& CommentGlyphs() {
  static const auto glyphs = MakeCommentGlyphs();
  return glyphs;
}

bool NormalFontHas(std::uint8_t code) { return InGlyphs(NormalGlyphs(), code); }

bool CommentFontHas(std::uint8_t code) { return InGlyphs(CommentGlyphs(), FoldToCapital(code)); }

int NormalBase(std::uint8_t code) { return NormalBases()[code]; }

int CommentBase(std::uint8_t code) { return CommentBases()[FoldToCapital(code)]; }

int MeasureNormal(std::string_view text, int spacing, double scale) {
  const float scale32 = float(scale);
  int width = 0;
  for (char c : text) width += int(std::nearbyint((spacing + NormalBase(std::uint8_t(c))) * scale32));
  return width;
}

std::vector<std::string> WrapNormal(std::string_view text, int spacing, int maxWidth, double scale) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (c != ' ') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(word);

  std::vector<std::string> lines(1);
  for (const auto& w : words) {
    if (maxWidth < MeasureNormal(lines.back() + " " + w, spacing, scale))
      lines.push_back(" " + w);
    else
      lines.back() += " " + w;
  }
  for (auto& line : lines)
    if (!line.empty()) line.erase(0, 1);
  if (lines.front().empty()) lines.erase(lines.begin());
  return lines;
}

std::string ToCp1252(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b0 = std::uint8_t(utf8[i]);
    char32_t cp;
    if (b0 < 0x80) {
      cp = b0;
      i += 1;
    } else if ((b0 & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      cp = char32_t(b0 & 0x1F) << 6 | (std::uint8_t(utf8[i + 1]) & 0x3F);
      i += 2;
    } else {
      throw std::runtime_error("character outside cp1252 in: " + std::string(utf8));
    }
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
      out += char(cp);
    else if (cp == 0x152)
      out += char(0x8C);
    else if (cp == 0x153)
      out += char(0x9C);
    else if (cp == 0x178)
      out += char(0x9F);
    else
      throw std::runtime_error("character outside cp1252 in: " + std::string(utf8));
  }
  return out;
}

}  // namespace contentgen
