// The characters a name may hold and their upper-casing, apart from the
// entry and its font, so that the high-score table, the player files (and
// their fuzz targets) can use them alone.
#include "progress/NameInput.h"

namespace qm {

namespace {

// Small letters of code page 1252 beyond ASCII and their capitals.
constexpr unsigned char kAccented[][2] = {{156, 140}, {224, 192}, {226, 194}, {228, 196}, {230, 198}, {231, 199},
                                          {232, 200}, {233, 201}, {234, 202}, {235, 203}, {238, 206}, {239, 207},
                                          {244, 212}, {246, 214}, {249, 217}, {251, 219}, {252, 220}, {255, 159}};

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
  for (unsigned char capital : {140, 159, 192, 194, 196, 198, 199, 200, 201, 202, 203, 206, 207, 212, 214, 217, 219,
                                220, 223})
    if (c == capital) return true;
  return false;
}

}  // namespace qm
