#pragma once

#include <filesystem>

namespace qm {

enum TSettingLoaderLanguage { laUS, laDE, laES, laFR, laIT, laNL, laBR, laSE };

// The language settings of "_settings.txt" beside the text tables. Only the
// position of a line counts: everything up to the first "=" is ignored and
// the rest must be a decimal number.
class TSettingLoader {
 public:
  // The defaults alone.
  TSettingLoader() = default;
  // The defaults, then the settings file of the folder; throws
  // ETextFileError when it is missing, short, or a value is not a number.
  explicit TSettingLoader(const std::filesystem::path& textsFolder);

  TSettingLoaderLanguage Language() const { return FLanguage; }
  // A Windows character-set number for the window's font.
  int CharSet() const { return FCharSet; }
  int SmallFontSize() const { return FSmallFontSize; }
  int MediumFontSize() const { return FMediumFontSize; }
  int LargeFontSize() const { return FLargeFontSize; }

 private:
  TSettingLoaderLanguage FLanguage = laUS;
  int FCharSet = 1;
  int FSmallFontSize = 10;
  int FMediumFontSize = 12;
  int FLargeFontSize = 20;
};

}  // namespace qm
