#include "Pictures.h"

#include "Sample.h"

#include <stdexcept>

#include "Lettering.h"
#include "Painters.h"

namespace contentgen {

void PainterRegistry::Add(std::string_view name, Painter painter) { painters_[std::string(name)] = std::move(painter); }

void PainterRegistry::AddIn(std::string_view folder, std::string_view name, Painter painter) {
  painters_[std::string(folder) + "/" + std::string(name)] = std::move(painter);
}

const Painter* PainterRegistry::Find(const qm::TCatalogueImage& image) const {
  auto it = painters_.find(image.Folder + "/" + image.Name);
  if (it == painters_.end()) it = painters_.find(image.Name);
  return it == painters_.end() ? nullptr : &it->second;
}

namespace {

void Paint(const PainterRegistry& registry, const qm::TCatalogueImage& image, const std::filesystem::path& file) {
  const Painter* painter = registry.Find(image);
  if (!painter) throw std::runtime_error("no painter for " + image.RelativePath());
  Canvas canvas(image.Width, image.Height);
  try {
    (*painter)(canvas, image);
  } catch (const std::runtime_error& failure) {
    throw std::runtime_error(image.RelativePath() + ": " + failure.what());
  }
  std::filesystem::create_directories(file.parent_path());
  if (image.Format == qm::TImageFormat::Jpeg)
    canvas.SaveJpeg(file);
  else
    canvas.SavePng(file);
}

bool IsFontSheet(const qm::TCatalogueImage& image) {
  return image.Name == qm::img::GlobalFontWhite || image.Name == qm::img::CommentFont ||
         image.Name == qm::img::GlobalFontWhiteMore || image.Name == qm::img::CommentFontMore;
}

}  // namespace

void GeneratePictures(const std::filesystem::path& programFolder, const std::filesystem::path& translations) {
  PainterRegistry registry;
  RegisterPiecePainters(registry);
  RegisterInterfacePainters(registry);
  RegisterBackgroundPainters(registry);
  RegisterBoardPainters(registry);
  RegisterCharacterPainters(registry);
  RegisterEffectPainters(registry);

  // The pictures with words in them, found while drawing the English ones.
  std::vector<const qm::TCatalogueImage*> lettered;
  const TWording english;
  for (int density : {1, 2}) {
    SetDensity(density);
    SetLetteringWording(english);
    lettered.clear();
    std::size_t index = 0;
    for (const auto& image : qm::ImageCatalogue()) {
      if (IsFontSheet(image) || !InSample(image.RelativePath(), index++)) continue;
      TakeLettered();
      Paint(registry, image, programFolder / qm::PathAtDensity(image.RelativePath(), density));
      if (TakeLettered()) lettered.push_back(&image);
    }
    ForEachWording(translations, [&](const std::string& code, const TWording& words) {
      SetLetteringWording(words);
      for (const qm::TCatalogueImage* image : lettered)
        Paint(registry, *image,
              programFolder / qm::PathAtDensity(qm::PathInLanguage(image->RelativePath(), code), density));
    });
  }
  SetLetteringWording(english);
  SetDensity(1);
}

}  // namespace contentgen
