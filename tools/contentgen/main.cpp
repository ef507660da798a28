// Writes the default content pack into a program folder, the desktop icons
// into an icon theme folder, or both:
//   quillmere-contentgen [--out <folder> [--contact-sheet <file.png>] [--translations <folder>]]
//                        [--icons <folder>] [--sample N]
// --sample N makes about one in N pictures, sounds, tracks and voices (and
// all of the rest), for checking that the generator repeats itself.
// --translations names the folder of the wording catalogues (translations/
// beside this file); without it only English is written.
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdlib>
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
#include "Sample.h"
#include "Texts.h"

int main(int argc, char** argv) {
  std::filesystem::path out, contactSheet, icons, translations;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0) out = argv[++i];
    else if (std::strcmp(argv[i], "--contact-sheet") == 0) contactSheet = argv[++i];
    else if (std::strcmp(argv[i], "--icons") == 0) icons = argv[++i];
    else if (std::strcmp(argv[i], "--translations") == 0) translations = argv[++i];
    else if (std::strcmp(argv[i], "--sample") == 0) contentgen::SetSampling(std::atoi(argv[++i]));
  }
  if (out.empty() && (icons.empty() || !contactSheet.empty())) {
    std::cerr << "usage: quillmere-contentgen [--out <program folder> [--contact-sheet <file.png>]"
                 " [--translations <folder>]] [--icons <icon folder>] [--sample N]\n";
    return 2;
  }
  try {
    if (!out.empty()) {
      std::filesystem::create_directories(out);
      contentgen::GeneratePictures(out, translations);
      contentgen::GenerateFonts(out);
      contentgen::GenerateTexts(out, translations);
      contentgen::GenerateAudio(out, translations);
      contentgen::GeneratePrices(out);
      contentgen::GenerateLevels(out);
      if (!contactSheet.empty()) contentgen::WriteContactSheet(out, contactSheet);
    }
    if (!icons.empty()) contentgen::GenerateIcons(icons);
  } catch (const std::exception& e) {
    std::cerr << "quillmere-contentgen: " << e.what() << '\n';
    return 1;
  }
  // Cairo and fontconfig keep the fonts they looked up until told to let
  // go; a leak checker would take them for lost.
  cairo_debug_reset_static_data();
  FcFini();
  return 0;
}
