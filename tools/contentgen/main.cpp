// Writes the default content pack into a program folder, the desktop icons
// into an icon theme folder, or both:
//   quillmere-contentgen [--out <folder> [--contact-sheet <file.png>]] [--icons <folder>]
#include <cstring>
#include <filesystem>
#include <iostream>

#include "Audio.h"
#include "ContactSheet.h"
#include "Fonts.h"
#include "Icons.h"
#include "Levels.h"
#include "Pictures.h"
#include "Prices.h"
#include "Texts.h"

int main(int argc, char** argv) {
  std::filesystem::path out, contactSheet, icons;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0) out = argv[++i];
    else if (std::strcmp(argv[i], "--contact-sheet") == 0) contactSheet = argv[++i];
    else if (std::strcmp(argv[i], "--icons") == 0) icons = argv[++i];
  }
  if (out.empty() && (icons.empty() || !contactSheet.empty())) {
    std::cerr << "usage: quillmere-contentgen [--out <program folder> [--contact-sheet <file.png>]]"
                 " [--icons <icon folder>]\n";
    return 2;
  }
  try {
    if (!out.empty()) {
      std::filesystem::create_directories(out);
      contentgen::GeneratePictures(out);
      contentgen::GenerateFonts(out);
      contentgen::GenerateTexts(out);
      contentgen::GenerateAudio(out);
      contentgen::GeneratePrices(out);
      contentgen::GenerateLevels(out);
      if (!contactSheet.empty()) contentgen::WriteContactSheet(out, contactSheet);
    }
    if (!icons.empty()) contentgen::GenerateIcons(icons);
  } catch (const std::exception& e) {
    std::cerr << "quillmere-contentgen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
