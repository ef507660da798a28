// A language's wording catalogue: English texts paired with the language's,
// the rest left English; a malformed catalogue is refused with its line.
#include "Wording.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace contentgen {
namespace {

std::filesystem::path Catalogue(const std::string& name, const std::string& text) {
  const auto folder = std::filesystem::path(QUILLMERE_TEST_OUTPUT_DIR) / "wording";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << text;
  return folder / name;
}

TEST(Wording, PairsEnglishTextsWithTheLanguagesAndLeavesTheRestEnglish) {
  const TWording german = TWording::Read(
      Catalogue("de.txt", "# a comment\nen Welcome, {name}!\nde Willkommen, {name}!\r\n\nen  Play \nde  Spielen \n"),
      "de");
  EXPECT_EQ(german("Welcome, {name}!"), "Willkommen, {name}!");
  EXPECT_EQ(german(" Play "), " Spielen ") << "spaces are the text's own";
  EXPECT_EQ(german("Options"), "Options");
  EXPECT_TRUE(TWording()("Options") == "Options" && TWording().IsEnglish());
}

TEST(Wording, AMalformedCatalogueIsRefusedWithItsLine) {
  const struct {
    const char* Text;
    const char* Line;
  } cases[] = {
      {"de Spielen\n", "line 1"},
      {"en Play\nen Options\n", "line 2"},
      {"en Play\nfr Jouer\n", "line 2"},
      {"en Play\nde Spielen\n\nen Play\nde Los\n", "line 5"},
  };
  for (const auto& c : cases) {
    try {
      TWording::Read(Catalogue("bad.txt", c.Text), "de");
      ADD_FAILURE() << c.Text;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(c.Line), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace contentgen
