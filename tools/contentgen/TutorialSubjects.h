#pragma once

#include <iterator>

#include "PieceNumbers.h"

namespace contentgen {

// What a tutorial scroll's icon shows: a board piece (a pattern of
// "Elements"), a tool icon, or a small picture of its own; and the word of
// the scroll's title that names it.
struct TutorialSubject {
  enum TKind { Piece, Tool, House, Shield } Kind = Piece;
  int Number = 0;
  const char* TitleWord = "";
};

// The subject of scroll 1..14, in the order of the scrolls: matching,
// spiders, gold tiles, potions, the last island, the workshop, the
// guardian, the counted tools, then one scroll per power tool as the jar
// first reaches it.
inline TutorialSubject TutorialSubjectOf(int scroll) {
  static constexpr TutorialSubject kSubjects[] = {
      {TutorialSubject::Piece, 0, "match"},
      {TutorialSubject::Piece, kSpiderPiece, "spider"},
      {TutorialSubject::Piece, kGoldTilePiece, "gold"},
      {TutorialSubject::Piece, kRoundPotionPiece, "potion"},
      {TutorialSubject::Piece, kRainbowStarPiece, "cloudspire"},
      {TutorialSubject::House, 0, "workshop"},
      {TutorialSubject::Shield, 0, "guardian"},
      {TutorialSubject::Tool, int(ToolIcon::Broom), "broom"},
      {TutorialSubject::Tool, int(ToolIcon::Hammer), "hammer"},
      {TutorialSubject::Tool, int(ToolIcon::Bomb), "the bomb"},
      {TutorialSubject::Tool, int(ToolIcon::HorzLightning), "horizontal"},
      {TutorialSubject::Tool, int(ToolIcon::VertLightning), "vertical"},
      {TutorialSubject::Tool, int(ToolIcon::Collector), "blaster"},
      {TutorialSubject::Tool, int(ToolIcon::BigBomb), "big bomb"},
  };
  if (scroll < 1 || scroll > int(std::size(kSubjects))) return {};
  return kSubjects[scroll - 1];
}

}  // namespace contentgen
