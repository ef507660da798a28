#include "platform/Cp1252.h"

#include <algorithm>
#include <cstdint>

namespace qm {

namespace {

// Code points of bytes 0x80..0x9F; 0 where cp1252 leaves the byte unused.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

bool ByteOf(char32_t cp, char& out) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    out = char(cp);
    return true;
  }
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] != 0 && kHighControls[i] == cp) {
      out = char(0x80 + i);
      return true;
    }
  return false;
}

// Bytes of the UTF-8 character a lead byte starts; 0 for a byte no
// well-formed character starts with.
int Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Length of the well-formed UTF-8 character at text[at], with its code
// point; 0 when the bytes there are not one.
int DecodeUtf8(std::string_view text, std::size_t at, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const int length = Utf8Length(lead);
  if (length == 0 || at + length > text.size()) return 0;
  cp = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kShortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

bool IsInvisibleMark(char32_t cp) {
  return (cp >= 0x0300 && cp <= 0x036F) || (cp >= 0x200B && cp <= 0x200D) || cp == 0xFEFF;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (char32_t cp = CodePointOf(static_cast<unsigned char>(c)); cp != 0 || c == 0) AppendUtf8(out, cp);
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    i += valid ? length : 1;
    char byte;
    if (valid && ByteOf(cp, byte)) out += byte;
  }
  return out;
}

bool IsWellFormedUtf8(std::string_view text) {
  char32_t cp;
  for (std::size_t i = 0; i < text.size();) {
    const int length = DecodeUtf8(text, i, cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Utf8ToCp1252Shown(std::string_view text) {
  std::string out;
  char32_t cp;
  for (std::size_t i = 0; i < text.size();) {
    // Not well-formed after all: one '?' per stray byte.
    const int length = std::max(DecodeUtf8(text, i, cp), 1);
    if (length == 1 && static_cast<unsigned char>(text[i]) >= 0x80) cp = 0xFFFD;
    i += length;
    char byte;
    if (ByteOf(cp, byte))
      out += byte;
    else if (!IsInvisibleMark(cp))
      out += '?';
  }
  return out;
}

}  // namespace qm
