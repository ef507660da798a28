#pragma once

// Painters draw one catalogue picture onto a canvas of its exact size. Each
// picture family registers its painters by picture name.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "Canvas.h"
#include "engine/ImageCatalogue.h"

namespace contentgen {

using Painter = std::function<void(Canvas&, const qm::TCatalogueImage&)>;

class PainterRegistry {
 public:
  // A painter for the name in every folder.
  void Add(std::string_view name, Painter painter);
  // A painter for the name in one folder only (names shared by folders).
  void AddIn(std::string_view folder, std::string_view name, Painter painter);
  const Painter* Find(const qm::TCatalogueImage& image) const;

 private:
  std::map<std::string, Painter, std::less<>> painters_;
};

void RegisterPiecePainters(PainterRegistry& r);
void RegisterInterfacePainters(PainterRegistry& r);
void RegisterBackgroundPainters(PainterRegistry& r);
void RegisterBoardPainters(PainterRegistry& r);
void RegisterCharacterPainters(PainterRegistry& r);
void RegisterEffectPainters(PainterRegistry& r);

}  // namespace contentgen
