#include "Pictures.h"

#include "Sample.h"

#include <stdexcept>

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

void GeneratePictures(const std::filesystem::path& programFolder) {
  PainterRegistry registry;
  RegisterPiecePainters(registry);
  RegisterInterfacePainters(registry);
  RegisterBackgroundPainters(registry);
  RegisterBoardPainters(registry);
  RegisterCharacterPainters(registry);
  RegisterEffectPainters(registry);

  for (int density : {1, 2}) {
    SetDensity(density);
    std::size_t index = 0;
    for (const auto& image : qm::ImageCatalogue()) {
      if (image.Name == qm::img::GlobalFontWhite || image.Name == qm::img::CommentFont ||
          image.Name == qm::img::GlobalFontWhiteMore || image.Name == qm::img::CommentFontMore)
        continue;
      if (!InSample(image.RelativePath(), index++)) continue;
      const Painter* painter = registry.Find(image);
      if (!painter) throw std::runtime_error("no painter for " + image.RelativePath());
      Canvas canvas(image.Width, image.Height);
      (*painter)(canvas, image);
      const auto file = programFolder / qm::PathAtDensity(image.RelativePath(), density);
      std::filesystem::create_directories(file.parent_path());
      if (image.Format == qm::TImageFormat::Jpeg)
        canvas.SaveJpeg(file);
      else
        canvas.SavePng(file);
    }
  }
  SetDensity(1);
}

}  // namespace contentgen
