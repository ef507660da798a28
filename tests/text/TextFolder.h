#pragma once

// A scratch "Texts" folder for one test, filled with well-formed tables and
// settings that a test then spoils or rewrites line by line.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "text/TextTableFiles.h"

namespace qm::testing_support {

class TTextFolder {
 public:
  TTextFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    Path = std::filesystem::path(QUILLMERE_TEST_OUTPUT_DIR) / "texts" / test->test_suite_name() / test->name();
    std::filesystem::remove_all(Path);
    std::filesystem::create_directories(Path);
    for (const TTextTableFile& f : TextTableFiles()) {
      std::vector<std::string> lines;
      for (int i = 1; i <= f.LineCount; ++i) lines.push_back(std::string(f.FileName) + " " + std::to_string(i));
      WriteLines(f.FileName, lines);
    }
    WriteLines(SettingsFileName, {"[Quillmere]", "Language=1", "CharSet=1", "Reserved=0", "Reserved=0",
                                  "SmallFontSize=10", "MediumFontSize=12", "LargeFontSize=20"});
  }

  void WriteLines(std::string_view file, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    WriteBytes(file, bytes);
  }
  void WriteBytes(std::string_view file, const std::string& bytes) {
    std::ofstream out(Path / file, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  void Remove(std::string_view file) { std::filesystem::remove(Path / file); }

  std::filesystem::path Path;
};

}  // namespace qm::testing_support
