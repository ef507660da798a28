#include "FontMetrics.h"

#include <array>
#include <stdexcept>

#include "platform/Cp1252.h"
#include "text/FontMetrics.h"
#include "text/GlobalGameText.h"

namespace contentgen {
namespace {

// The UTF-8 form of every cp1252 byte, kept for the glyph tables to point at.
const std::array<std::string, 256>& Utf8OfCodes() {
  static const std::array<std::string, 256> texts = [] {
    std::array<std::string, 256> t;
    for (int c = 0; c < 256; ++c) t[c] = qm::Cp1252ToUtf8(std::string(1, char(c)));
    return t;
  }();
  return texts;
}

std::vector<TGlyph> GlyphsOf(const std::vector<std::uint8_t>& codes) {
  std::vector<TGlyph> glyphs;
  for (std::uint8_t code : codes) glyphs.push_back({code, Utf8OfCodes()[code].c_str()});
  return glyphs;
}

}  // namespace

const std::vector<TGlyph>& NormalGlyphs() {
  static const auto glyphs = GlyphsOf(qm::FontGlyphCodes(qm::fkAirstripNormal));
  return glyphs;
}

const std::vector<TGlyph>& CommentGlyphs() {
  static const auto glyphs = GlyphsOf(qm::FontGlyphCodes(qm::fkAirstripComment));
  return glyphs;
}

const std::vector<TGlyph>& NormalMoreGlyphs() {
  static const auto glyphs = GlyphsOf(qm::FontMoreGlyphCodes(qm::fkAirstripNormal));
  return glyphs;
}

const std::vector<TGlyph>& CommentMoreGlyphs() {
  static const auto glyphs = GlyphsOf(qm::FontMoreGlyphCodes(qm::fkAirstripComment));
  return glyphs;
}

bool NormalFontHas(std::uint8_t code) { return qm::FontHasGlyph(qm::fkAirstripNormal, code); }

bool CommentFontHas(std::uint8_t code) { return qm::FontHasGlyph(qm::fkAirstripComment, code); }

int NormalBase(std::uint8_t code) { return qm::GlyphBase(qm::fkAirstripNormal, code); }

int CommentBase(std::uint8_t code) { return qm::GlyphBase(qm::fkAirstripComment, code); }

int MeasureNormal(std::string_view text, int spacing, double scale) {
  return qm::MeasureText(qm::fkAirstripNormal, text, spacing, float(scale));
}

std::vector<std::string> WrapNormal(std::string_view text, int spacing, int maxWidth, double scale) {
  std::vector<std::string> lines;
  for (std::string& line : qm::WrapLines(qm::fkAirstripNormal, text, spacing, maxWidth, float(scale)))
    if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string ToCp1252(std::string_view utf8) {
  const std::string bytes = qm::Utf8ToCp1252(utf8);
  if (qm::Cp1252ToUtf8(bytes) != utf8) throw std::runtime_error("character outside cp1252 in: " + std::string(utf8));
  return bytes;
}

}  // namespace contentgen
