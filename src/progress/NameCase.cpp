// The characters a name may hold and their upper-casing, apart from the
// entry and its font, so that the high-score table, the player files (and
// their fuzz targets) can use them alone.
#include "progress/NameInput.h"

namespace qm {

namespace {

// Small letters of code page 1252 beyond ASCII and their capitals.
constexpr unsigned char kAccented[][2] = {{156, 140}, {224, 192}, {225, 193}, {226, 194}, {228, 196}, {229, 197},
                                          {230, 198}, {231, 199}, {232, 200}, {233, 201}, {234, 202}, {235, 203},
                                          {237, 205}, {238, 206}, {239, 207}, {241, 209}, {243, 211}, {244, 212},
                                          {246, 214}, {248, 216}, {249, 217}, {250, 218}, {251, 219}, {252, 220},
                                          {255, 159}};

}  // namespace

unsigned char TNameInput::UpperCase(unsigned char code) {
  if (code >= 'a' && code <= 'z') return static_cast<unsigned char>(code - 'a' + 'A');
  for (const auto& pair : kAccented)
    if (code == pair[0]) return pair[1];
  return code;
}

std::string TNameInput::UpperCase(std::string name) {
  for (char& c : name) c = static_cast<char>(UpperCase(static_cast<unsigned char>(c)));
  return name;
}

bool TNameInput::Accepts(unsigned char c) {
  if (c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return true;
  for (const auto& pair : kAccented)
    if (c == pair[1]) return true;
  return c == 223;  // ß has no capital of its own
}

}  // namespace qm
