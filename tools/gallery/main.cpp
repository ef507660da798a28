// quillmere-gallery OUT [--game FOLDER] [--sample] [--lang en|de|fr] [--keys]:
// draws the screens a new player meets, in that language, one PNG each, and a
// contact sheet of them all. With --keys the player uses the keyboard alone,
// so every screen shows the focus ring where it stands.
#include <filesystem>
#include <iostream>
#include <string>

#include "Gallery.h"
#include "text/Language.h"

namespace {

constexpr const char* kUsage = "usage: quillmere-gallery OUT [--game FOLDER] [--sample] [--lang en|de|fr] [--keys]\n";

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  qm::TGallery::TOptions options;
  options.Game = fs::absolute(argv[0]).parent_path().parent_path().parent_path() / "game";
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--game" && i + 1 < argc) {
      options.Game = fs::absolute(argv[++i]);
    } else if (argument == "--sample") {
      options.Sample = true;
    } else if (argument == "--keys") {
      options.Keys = true;
    } else if (argument == "--lang" && i + 1 < argc && qm::LanguageNamed(argv[i + 1])) {
      options.Language = *qm::LanguageNamed(argv[++i]);
    } else if (argument == "--help" || (!argument.empty() && argument[0] == '-') || !options.Out.empty()) {
      std::cerr << kUsage;
      return argument == "--help" ? 0 : 2;
    } else {
      options.Out = argument;
    }
  }
  if (options.Out.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  qm::TGallery gallery(options);
  const bool walked = gallery.Walk();
  const bool written = gallery.WriteSheet();
  std::cout << "frames " << gallery.Frames() << "  sheet " << (options.Out / "contact-sheet.png").string() << '\n';
  if (!walked) std::cerr << "quillmere-gallery: not reached: " << gallery.Error << '\n';
  for (const std::string& fault : gallery.Faults) std::cerr << "quillmere-gallery: " << fault << '\n';
  return walked && written && gallery.Faults.empty() ? 0 : 1;
}
