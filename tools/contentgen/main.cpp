// Writes the default content pack into a program folder:
//   quillmere-contentgen --out <folder> [--contact-sheet <file.png>]
#include <cstring>
#include <filesystem>
#include <iostream>

#include "Audio.h"
#include "ContactSheet.h"
#include "Fonts.h"
#include "Levels.h"
#include "Pictures.h"
#include "Prices.h"
#include "Texts.h"

int main(int argc, char** argv) {
  std::filesystem::path out, contactSheet;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0) out = argv[++i];
    else if (std::strcmp(argv[i], "--contact-sheet") == 0) contactSheet = argv[++i];
  }
  if (out.empty()) {
    std::cerr << "usage: quillmere-contentgen --out <program folder> [--contact-sheet <file.png>]\n";
    return 2;
  }
  try {
    std::filesystem::create_directories(out);
    contentgen::GeneratePictures(out);
    contentgen::GenerateFonts(out);
    contentgen::GenerateTexts(out);
    contentgen::GenerateAudio(out);
    contentgen::GeneratePrices(out);
    contentgen::GenerateLevels(out);
    if (!contactSheet.empty()) contentgen::WriteContactSheet(out, contactSheet);
  } catch (const std::exception& e) {
    std::cerr << "quillmere-contentgen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
