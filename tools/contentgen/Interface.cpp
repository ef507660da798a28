// Windows, panels, buttons, widgets and the round's HUD: one frame family.
#include <cmath>
#include <string>
#include <vector>

#include "Lettering.h"
#include "Painters.h"
#include "Pieces.h"
#include "Style.h"

namespace contentgen {

namespace {

using qm::TCatalogueImage;

void Window(PainterRegistry& r, std::string_view name) {
  r.Add(name, [](Canvas& c, const TCatalogueImage&) { DrawWindowFrame(c.Cr(), 0, 0, c.Width(), c.Height()); });
}

void Panel(PainterRegistry& r, std::string_view name, Rgb face = colour::Walnut) {
  r.Add(name, [face](Canvas& c, const TCatalogueImage&) {
    DrawPanel(c.Cr(), 0, 0, c.Width(), c.Height(), std::min(16.0, c.Height() * 0.3), face);
  });
}

// Pattern 0 enabled, 1 disabled; further patterns repeat the enabled look.
void Button(PainterRegistry& r, std::string_view name, std::string label, ButtonKind kind) {
  r.Add(name, [label, kind](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int p, double w, double h) {
      DrawButton(cr, 0, 0, w, h, label, kind, p == 1);
    });
  });
}

void RegisterWindowsAndButtons(PainterRegistry& r) {
  for (auto name : {"NameListWindow", "AddNameWindow", "InfoWindow", "OptionsWindow", "InGameMenuWindow",
                    "ConfirmWindow", "StageResultWindow"})
    Window(r, name);
  for (auto name : {"MenuPanel", "WelcomePanel", "CornerLeftPanel", "CornerRightPanel", "BuySlotsPanelA",
                    "BuySlotsPanelB", "LeftPanel", "ElementsPanel"})
    Panel(r, name);
  Panel(r, qm::img::BuySlotsInfo, colour::Parchment);
  Panel(r, qm::img::WrenPocket, Hex(0xffe9a8));

  using enum ButtonKind;
  const struct {
    std::string_view Name;
    const char* Label;
    ButtonKind Kind;
  } buttons[] = {
      {"PlayButton", "Play", Positive},        {"OptionsButton", "Options", Neutral},
      {"HighScoresButton", "High Scores", Neutral}, {"ExitButton", "Exit", Negative},
      {"HelpButton", "Help", Neutral},         {"NameListNewButton", "New", Positive},
      {"NameListDeleteButton", "Delete", Negative}, {"WindowOKButton", "OK", Positive},
      {"WindowCancelButton", "Cancel", Negative}, {"WindowDoneButton", "Done", Positive},
      {"WindowYesButton", "Yes", Positive},    {"WindowNoButton", "No", Negative},
      {"CreditsButton", "Credits", Neutral},   {"InGameResumeButton", "Resume", Positive},
      {"InGameOptionsButton", "Options", Neutral}, {"InGameHelpButton", "Help", Neutral},
      {"InGameToMenuButton", "Main Menu", Negative}, {"InGameRestartButton", "Restart", Neutral},
      {"InGameMenuButton", "Menu", Neutral},   {"MapMenuButton", "Menu", Neutral},
      {"MapPlayButton", "Play", Positive},     {"BookPlayButton", "Play", Positive},
      {"BuySlotBuyButton", "Buy", Positive},   {"StorySkipButton", "Skip", Neutral},
      {"TutorialOKButton", "OK", Positive},    {"VolumeMinusButton", "-", Neutral},
      {"VolumePlusButton", "+", Neutral},
  };
  for (const auto& b : buttons) Button(r, b.Name, b.Label, b.Kind);

  r.Add("ChangePlayerLink", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    DrawLabel(cr, "Change player", c.Width() / 2.0, c.Height() / 2.0 - 2, c.Height() * 0.55, colour::White,
              colour::LeafDark, 3);
    cairo_move_to(cr, 14, c.Height() - 4);
    cairo_line_to(cr, c.Width() - 14, c.Height() - 4);
    SetColor(cr, colour::LeafDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  });
  r.Add("MenuPanel_Top", [](Canvas& c, const TCatalogueImage&) {
    // hanging sign: two ropes and a board with a fruit garland
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    for (double x : {w * 0.2, w * 0.8}) {
      cairo_move_to(cr, x, 0);
      cairo_line_to(cr, x, h * 0.35);
    }
    SetColor(cr, colour::Wood.Darker(0.3));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    DrawPanel(cr, 4, h * 0.3, w - 8, h * 0.68, 16, colour::Parchment);
    OutlinedText(cr, "Quillmere", w / 2, h * 0.64, h * 0.34, colour::Gold, colour::Ink, 4);
    for (int i = 0; i < 5; ++i) DrawPiece(cr, (i * 3) % 12, w * (0.1 + i * 0.2), h * 0.33, h * 0.22);
  });
}

void CheckBoxes(PainterRegistry& r) {
  for (auto name : {"CheckBoxSound", "CheckBoxMusic", "CheckBoxFullscreen", "CheckBoxTutorial", "CheckBoxEffects"})
    r.Add(name, [](Canvas& c, const TCatalogueImage& e) {
      // 0 unchecked, 1 unchecked + hover, 2 checked, 3 checked + hover
      ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
        const bool hover = p % 2 == 1, checked = p >= 2;
        if (hover) SoftGlow(cr, w / 2, h / 2, w * 0.6, colour::Gold, 0.8);
        RoundedRect(cr, 3, 3, w - 6, h - 6, 5);
        ShadeAndOutline(cr, colour::Cream, 2);
        if (checked) {
          cairo_move_to(cr, w * 0.22, h * 0.5);
          cairo_line_to(cr, w * 0.42, h * 0.72);
          cairo_line_to(cr, w * 0.82, h * 0.18);
          SetColor(cr, colour::LeafDark);
          cairo_set_line_width(cr, 5);
          cairo_stroke(cr);
        }
      });
    });
  // The languages by their own names, so a player finds theirs whatever the
  // game speaks now: a tag, gold when chosen, glowing under the pointer.
  const struct {
    const char* Picture;
    const char* OwnName;
  } languages[] = {{"LanguageEnglish", "English"}, {"LanguageGerman", "Deutsch"}, {"LanguageFrench", "Français"}};
  for (const auto& language : languages)
    r.Add(language.Picture, [name = language.OwnName](Canvas& c, const TCatalogueImage& e) {
      ForEachPattern(c, e.Columns, e.Rows, [name](cairo_t* cr, int p, double w, double h) {
        const bool hover = p % 2 == 1, chosen = p >= 2;
        if (hover) SoftGlow(cr, w / 2, h / 2, w * 0.55, colour::Gold, 0.7);
        RoundedRect(cr, 3, 3, w - 6, h - 6, (h - 6) / 2);
        ShadeAndOutline(cr, chosen ? colour::Gold : colour::Cream, 2);
        OutlinedText(cr, name, w / 2, h / 2, h * 0.46, colour::Ink, colour::Ink, chosen ? 0.8 : 0, w - 16);
      });
    });
  r.Add("VolumeFill", [](Canvas& c, const TCatalogueImage&) {
    // upper half the disabled look, lower half the enabled look
    cairo_t* cr = c.Cr();
    const double w = c.Width(), half = c.Height() / 2.0;
    RoundedRect(cr, 0, 0, w, half, half / 2);
    FillVertical(cr, 0, half, Hex(0xd0d0d0), Hex(0x909090));
    cairo_new_path(cr);
    RoundedRect(cr, 0, half, w, half, half / 2);
    FillVertical(cr, half, 2 * half, Hex(0xa6f06a), colour::LeafDark);
    cairo_new_path(cr);
  });
  r.Add("VolumeGlass", [](Canvas& c, const TCatalogueImage&) {
    // The tube lies over the fill, which is drawn from the bar's top edge
    // and half the glass's height high.
    cairo_t* cr = c.Cr();
    const double h = c.Height() / 2.0;
    RoundedRect(cr, 1, 0.75, c.Width() - 2, h - 1.5, (h - 1.5) / 2);
    SetColor(cr, colour::Ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    RoundedRect(cr, 4, 1.5, c.Width() - 8, h * 0.35, h * 0.2);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_fill(cr);
  });
}

// A rounded glass tube lying along x; fill level in [0, 1].
void GlassTube(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, h / 2);
  cairo_set_source_rgba(cr, 0.85, 0.95, 1.0, 0.35);
  cairo_fill_preserve(cr);
  SetColor(cr, colour::Ink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundedRect(cr, x + h * 0.3, y + h * 0.15, w - h * 0.6, h * 0.25, h * 0.12);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
  cairo_fill(cr);
}

void Bars(PainterRegistry& r) {
  r.Add("LoadingBarBG", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    DrawPanel(cr, 0, 0, c.Width(), c.Height(), 26, colour::Parchment);
    RoundedRect(cr, 20, 20, 520, 32, 16);
    SetColor(cr, Hex(0x6a4a2a), 0.5);
    cairo_fill(cr);
  });
  r.Add("LoadingBarFill", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    RoundedRect(cr, 0, 0, c.Width(), c.Height(), c.Height() / 2.0);
    FillVertical(cr, 0, c.Height(), Hex(0xffe066), Hex(0xff8c1a));
    cairo_new_path(cr);
    for (int x = -20; x < c.Width(); x += 28) {
      cairo_move_to(cr, x, c.Height());
      cairo_line_to(cr, x + 14, 0);
      cairo_line_to(cr, x + 24, 0);
      cairo_line_to(cr, x + 10, c.Height());
      cairo_close_path(cr);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
    cairo_fill(cr);
  });
  r.Add("LoadingBarGlass", [](Canvas& c, const TCatalogueImage&) {
    GlassTube(c.Cr(), 1, 1, c.Width() - 2, c.Height() - 2);
  });
  r.Add("LoadingBarText", [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      // Dark letters edged in white read on the light tube, empty or full.
      DrawLabel(cr, p == 0 ? "Loading..." : "Click to play!", w / 2, h / 2, h * 0.75, colour::Ink, colour::White, 3, w);
    });
  });
  r.Add("BookProgressTube", [](Canvas& c, const TCatalogueImage& e) {
    // 1 is the tube's back, 0 and 2 its glass and rim in front
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      if (p == 1) {
        RoundedRect(cr, 20, 8, w - 40, h - 16, (h - 16) / 2);
        SetColor(cr, Hex(0x4a3020), 0.6);
        cairo_fill(cr);
      } else if (p == 0) {
        GlassTube(cr, 20, 8, w - 40, h - 16);
      } else {
        for (double x : {4.0, w - 24}) {
          RoundedRect(cr, x, 2, 20, h - 4, 6);
          ShadeAndOutline(cr, colour::Gold, 2);
        }
      }
    });
  });
  r.Add("BookProgressTubeFill", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    cairo_rectangle(cr, 0, 0, c.Width(), c.Height());
    FillVertical(cr, 0, c.Height(), Hex(0xff9ad0), Hex(0xd0307a));
    cairo_new_path(cr);
  });
  r.Add("BookProgressFillEdge", [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      cairo_save(cr);
      cairo_translate(cr, w / 2, h / 2);
      cairo_scale(cr, w / 2, h / 2);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      FillRadial(cr, w / 2, h / 2, h / 2, colour::White, Hex(0xff9ad0).Mix(colour::Gold, p / 5.0), 0.9);
      cairo_new_path(cr);
    });
  });
  r.Add("NameListSelection", [](Canvas& c, const TCatalogueImage&) {
    // Dark under the white name, with a gold rim that marks the choice.
    RoundedRect(c.Cr(), 2, 2, c.Width() - 4, c.Height() - 4, 12);
    FillVertical(c.Cr(), 0, c.Height(), colour::Walnut.Darker(0.1), colour::Walnut.Darker(0.35));
    RoundedRect(c.Cr(), 2, 2, c.Width() - 4, c.Height() - 4, 12);
    SetColor(c.Cr(), colour::Gold);
    cairo_set_line_width(c.Cr(), 3);
    cairo_stroke(c.Cr());
  });
  // Drawn at each rank's text position: the stroke in the middle of the
  // picture falls half way to the next rank.
  r.Add("HighScoreLine", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    cairo_move_to(cr, 8, c.Height() / 2.0);
    cairo_line_to(cr, c.Width() - 8, c.Height() / 2.0);
    SetColor(cr, colour::Wood, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  });
  r.Add("ResultStatsHighlight", [](Canvas& c, const TCatalogueImage&) {
    // A darker well under the white figures of the result.
    RoundedRect(c.Cr(), 0, 0, c.Width(), c.Height(), c.Height() / 2.0);
    FillVertical(c.Cr(), 0, c.Height(), colour::Grove.Darker(0.45), colour::Grove.Darker(0.6), 0.8);
    cairo_new_path(c.Cr());
  });
}

void Hud(PainterRegistry& r) {
  r.Add("TopPanel", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w, 0);
    cairo_line_to(cr, w, h * 0.6);
    cairo_curve_to(cr, w * 0.75, h * 0.75, w * 0.6, h * 0.95, w * 0.5, h * 0.95);
    cairo_curve_to(cr, w * 0.4, h * 0.95, w * 0.25, h * 0.75, 0, h * 0.6);
    cairo_close_path(cr);
    FillVertical(cr, 0, h, colour::Wood.Lighter(0.2), colour::Wood.Darker(0.2));
    SetColor(cr, colour::Ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 26; ++i) DrawLeaf(cr, 20 + i * 52, h * 0.52 + (i % 2) * 4, 18, 1.2 + (i % 3) * 0.3,
                                          colour::Leaf);
  });
  r.Add("ElementPanel", [](Canvas& c, const TCatalogueImage& e) {
    // first, middle, last and single slot
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      const double left = (p == 0 || p == 3) ? 0 : -20, right = (p == 2 || p == 3) ? w : w + 20;
      DrawPanel(cr, left, 2, right - left, h - 4, 14, colour::Cream);
    });
  });
  r.Add("ObjInfoShadow", [](Canvas& c, const TCatalogueImage&) {
    // a soft oval shadow: a round glow squeezed to the picture's shape
    cairo_t* cr = c.Cr();
    const double h = c.Height();
    cairo_scale(cr, c.Width() / h, 1);
    SoftGlow(cr, h / 2, h / 2, h / 2, Hex(0x000000), 0.55);
  });
  r.Add("ObjInfoTitle", [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      DrawLabel(cr, p == 0 ? "Objectives" : "Boss Fight!", w / 2, h / 2, h * 0.7, p == 0 ? colour::Gold : Hex(0xff7ad0),
                colour::Ink, 4);
    });
  });
  r.Add("ComboText", [](Canvas& c, const TCatalogueImage& e) {
    const char* words[] = {"Great!", "Super!", "Amazing!", "Fantastic!"};
    const Rgb colours[] = {Hex(0x7ee05a), Hex(0x4fc3ff), Hex(0xffb84d), Hex(0xff5ab4)};
    ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int p, double w, double h) {
      DrawLabel(cr, words[p], w / 2, h / 2, h * 0.6, colours[p], colour::Ink, 4, w - 8);
    });
  });
  r.Add("EnergyBonusText", [](Canvas& c, const TCatalogueImage& e) {
    const char* words[] = {"+1 Manna", "+2 Manna", "+3 Manna"};
    ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int p, double w, double h) {
      DrawLabel(cr, words[p], w / 2, h / 2, h * 0.6, Hex(0x8fe8ff), colour::Ink, 4, w - 8);
    });
  });
  r.Add("Paused", [](Canvas& c, const TCatalogueImage&) {
    DrawLabel(c.Cr(), "Paused", c.Width() / 2.0, c.Height() / 2.0, c.Height() * 0.7, colour::White, colour::Ink, 5);
  });
  r.Add(qm::img::ComboBadge, [](Canvas& c, const TCatalogueImage& e) {
    const Rgb looks[] = {Hex(0x7ee05a), Hex(0xffb84d), Hex(0xff5ab4)};
    ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int p, double w, double h) {
      StarPath(cr, w / 2, h / 2, w * 0.47, w * 0.36, 10 + p * 2);
      ShadeAndOutline(cr, looks[p], 3);
      // The manna text the game centres on the badge takes its middle; the
      // word stands above it.
      DrawLabel(cr, "Combo", w / 2, h * 0.2, h * 0.17, colour::White, colour::Ink, 3);
    });
  });
  r.Add("ElementGatherNumber", [](Canvas& c, const TCatalogueImage& e) { DrawDigitStrip(c, e.Columns, colour::White, false); });
  r.Add("ElementGatherNumberBlur", [](Canvas& c, const TCatalogueImage& e) { DrawDigitStrip(c, e.Columns, colour::White, true); });
  r.Add("Score", [](Canvas& c, const TCatalogueImage& e) { DrawDigitStrip(c, e.Columns, colour::Gold, false); });
  r.Add("ScoreBlur", [](Canvas& c, const TCatalogueImage& e) { DrawDigitStrip(c, e.Columns, colour::Gold, true); });
  r.Add("LevelInfoDigit", [](Canvas& c, const TCatalogueImage& e) { DrawDigitStrip(c, e.Columns, Hex(0xc8f0ff), false); });
  r.Add(qm::img::ToolCounterDigit, [](Canvas& c, const TCatalogueImage& e) { DrawDigitStrip(c, e.Columns, colour::White, false); });
}

// The jar's glass below its neck, shrunk about its middle by inset (1 the
// glass itself, less its inside): round shoulders, then straight sides down
// to a bottom with small rounded corners, so that the liquid's surface is
// as wide as the game draws its waves at every level but the very lowest.
void JarBody(cairo_t* cr, double w, double h, double inset) {
  const double left = w * 0.06, right = w * 0.94, bottom = h * 0.98, corner = h * 0.06;
  cairo_save(cr);
  cairo_translate(cr, w / 2, h * 0.6);
  cairo_scale(cr, inset, inset + (1 - inset) / 2);
  cairo_translate(cr, -w / 2, -h * 0.6);
  cairo_move_to(cr, w * 0.3, h * 0.12);
  cairo_line_to(cr, w * 0.7, h * 0.12);
  cairo_line_to(cr, w * 0.7, h * 0.22);
  cairo_curve_to(cr, right, h * 0.24, right, h * 0.3, right, h * 0.38);
  cairo_line_to(cr, right, bottom - corner);
  cairo_curve_to(cr, right, bottom, right, bottom, right - corner, bottom);
  cairo_line_to(cr, left + corner, bottom);
  cairo_curve_to(cr, left, bottom, left, bottom, left, bottom - corner);
  cairo_line_to(cr, left, h * 0.38);
  cairo_curve_to(cr, left, h * 0.3, left, h * 0.24, w * 0.3, h * 0.22);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void Jars(PainterRegistry& r) {
  const Rgb manna = Hex(0x2fd0e0);
  r.Add("MannaEnergy", [](Canvas& c, const TCatalogueImage& e) {
    // 0 the jar, 1 the jar glowing when full
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      if (p == 1) SoftGlow(cr, w / 2, h * 0.58, w * 0.55, Hex(0x8ff8ff), 0.9);
      JarBody(cr, w, h, 1.0);
      cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.3);
      cairo_fill_preserve(cr);
      SetColor(cr, colour::Ink);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
      RoundedRect(cr, w * 0.26, h * 0.04, w * 0.48, h * 0.1, 3);
      ShadeAndOutline(cr, colour::Wood, 2);
      Glint(cr, w * 0.28, h * 0.55, w * 0.06, h * 0.18, 0.6);
    });
  });
  r.Add("MannaEnergyLiquid", [manna](Canvas& c, const TCatalogueImage&) {
    // The jar's inside: row 0 of the liquid is row 16 of the 96 x 100 jar,
    // column 0 its column 4, where the game draws it.
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_translate(cr, -4, -16);
    JarBody(cr, 96, 100, 0.94);
    cairo_restore(cr);
    FillVertical(cr, 0, c.Height(), manna.Lighter(0.4), manna.Darker(0.3));
    cairo_new_path(cr);
  });
  r.Add("MannaEnergyWave", [manna](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [manna](cairo_t* cr, int p, double w, double h) {
      cairo_move_to(cr, 0, h);
      for (int x = 0; x <= int(w); ++x)
        cairo_line_to(cr, x, h * 0.5 + h * 0.35 * std::sin((x / w + p / 6.0) * 2 * M_PI));
      cairo_line_to(cr, w, h);
      cairo_close_path(cr);
      FillVertical(cr, 0, h, manna.Lighter(0.6), manna.Lighter(0.2));
      cairo_new_path(cr);
    });
  });
  r.Add(qm::img::TubeMedalMarks, [](Canvas& c, const TCatalogueImage& e) {
    // A small medal with its place, pointing at the tube on its right.
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      cairo_move_to(cr, w, h / 2);
      cairo_line_to(cr, w * 0.65, h * 0.3);
      cairo_line_to(cr, w * 0.65, h * 0.7);
      cairo_close_path(cr);
      SetColor(cr, colour::Ink);
      cairo_fill(cr);
      cairo_arc(cr, w * 0.38, h / 2, w * 0.36, 0, 2 * M_PI);
      ShadeAndOutline(cr, p == 0 ? colour::Gold : Hex(0xc8d0d8), 1.5);
      OutlinedText(cr, p == 0 ? "1" : "2", w * 0.38, h / 2, h * 0.5, colour::White, colour::Ink, 1.5);
    });
  });
  r.Add(qm::img::TimerTube, [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    RoundedRect(cr, 6, 14, w - 12, h - 22, (w - 12) / 2);
    cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.25);
    cairo_fill_preserve(cr);
    SetColor(cr, colour::Ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    RoundedRect(cr, 11, 24, 7, h - 50, 3);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_fill(cr);
    for (double y : {2.0, h - 14}) {
      RoundedRect(cr, 2, y, w - 4, 12, 5);
      ShadeAndOutline(cr, colour::Gold, 2);
    }
    for (int i = 1; i < 6; ++i) {
      cairo_move_to(cr, w - 12, 14 + i * (h - 28) / 6);
      cairo_line_to(cr, w - 6, 14 + i * (h - 28) / 6);
    }
    SetColor(cr, colour::Ink, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  });
  r.Add(qm::img::TimerTubeLiquid, [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    RoundedRect(cr, 0, 0, c.Width(), c.Height(), c.Width() / 2.0);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, c.Width(), 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.85, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 0.4, 0.75, 1.0, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.3, 0.6, 0.15);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  });
  // Drawn in nine pieces around the focused control: the corners as they
  // are, the edges stretched. A dark rim keeps the light line visible on
  // light and dark backgrounds alike.
  r.Add(qm::img::FocusRing, [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    RoundedRect(cr, 3, 3, w - 6, h - 6, 13);
    cairo_set_source_rgba(cr, 0.04, 0.03, 0.1, 0.85);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    RoundedRect(cr, 3, 3, w - 6, h - 6, 13);
    cairo_set_source_rgb(cr, 1.0, 0.92, 0.3);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  });
  r.Add(qm::img::ScreenDarkener, [](Canvas& c, const TCatalogueImage&) {
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), c.Height());
    cairo_set_source_rgba(c.Cr(), 0.05, 0.03, 0.12, 0.6);
    cairo_fill(c.Cr());
  });
}

void RegisterRest(PainterRegistry& r) {
  r.Add("BuySlotGlassCover", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    RoundedRect(cr, 2, 2, c.Width() - 4, c.Height() - 4, 14);
    cairo_set_source_rgba(cr, 0.9, 0.97, 1, 0.12);
    cairo_fill_preserve(cr);
    SetColor(cr, colour::Wood);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 12, c.Height() * 0.6);
    cairo_line_to(cr, c.Width() * 0.45, 8);
    cairo_line_to(cr, c.Width() * 0.6, 8);
    cairo_line_to(cr, 24, c.Height() * 0.75);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
    cairo_fill(cr);
  });
  r.Add("BuySlotLock", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    cairo_arc(cr, w / 2, h * 0.42, h * 0.26, M_PI, 2 * M_PI);
    SetColor(cr, Hex(0x8a8a96));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    RoundedRect(cr, w / 2 - h * 0.42, h * 0.42, h * 0.84, h * 0.54, 5);
    ShadeAndOutline(cr, colour::Gold, 2.5);
    cairo_arc(cr, w / 2, h * 0.64, 4, 0, 2 * M_PI);
    SetColor(cr, colour::Ink);
    cairo_fill(cr);
  });
  r.Add("FeatureShine", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double m = c.Width() / 2.0;
    for (int i = 0; i < 12; ++i) {
      const double a = i * M_PI / 6;
      cairo_move_to(cr, m, m);
      cairo_line_to(cr, m + m * std::cos(a - 0.12), m + m * std::sin(a - 0.12));
      cairo_line_to(cr, m + m * std::cos(a + 0.12), m + m * std::sin(a + 0.12));
      cairo_close_path(cr);
    }
    FillRadial(cr, m, m, m, Hex(0xfff3b0), Hex(0xffb000), 0.8);
    cairo_new_path(cr);
  });
  r.Add("ResultTrophy", [](Canvas& c, const TCatalogueImage& e) {
    // Patterns: the gold, silver and bronze trophies, each told apart by its
    // metal and by the number on its foot.
    const Rgb metals[] = {colour::Gold, Hex(0xc8d0d8), Hex(0xc0783c)};
    ForEachPattern(c, e.Columns, e.Rows, [&](cairo_t* cr, int p, double w, double h) {
      const Rgb metal = metals[p];
      for (int side : {-1, 1}) {
        cairo_arc(cr, w / 2 + side * w * 0.3, h * 0.3, w * 0.13, 0, 2 * M_PI);
        SetColor(cr, metal.Darker(0.3));
        cairo_set_line_width(cr, 9);
        cairo_stroke(cr);
      }
      cairo_move_to(cr, w * 0.2, h * 0.1);
      cairo_line_to(cr, w * 0.8, h * 0.1);
      cairo_curve_to(cr, w * 0.8, h * 0.5, w * 0.62, h * 0.6, w * 0.55, h * 0.62);
      cairo_line_to(cr, w * 0.55, h * 0.76);
      cairo_line_to(cr, w * 0.45, h * 0.76);
      cairo_line_to(cr, w * 0.45, h * 0.62);
      cairo_curve_to(cr, w * 0.38, h * 0.6, w * 0.2, h * 0.5, w * 0.2, h * 0.1);
      cairo_close_path(cr);
      ShadeAndOutline(cr, metal, 3);
      RoundedRect(cr, w * 0.28, h * 0.76, w * 0.44, h * 0.2, 6);
      ShadeAndOutline(cr, colour::Wood, 3);
      const char* places[] = {"1", "2", "3"};
      OutlinedText(cr, places[p], w / 2, h * 0.86, h * 0.15, colour::White, colour::Wood.Darker(0.4), 2);
      StarPath(cr, w / 2, h * 0.32, w * 0.14, w * 0.06, 5);
      ShadeAndOutline(cr, metal.Lighter(0.5), 2);
    });
  });
  r.Add("MapArrow", [](Canvas& c, const TCatalogueImage& e) {
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      // The game turns the arrow from a picture that points down and to the
      // left (120 degrees clockwise from the right).
      cairo_translate(cr, w / 2, h / 2);
      cairo_rotate(cr, 120 * M_PI / 180);
      cairo_translate(cr, -w / 2, -h / 2);
      const double d = p * 4;
      cairo_move_to(cr, 8 + d, h * 0.38);
      cairo_line_to(cr, w * 0.55 + d, h * 0.38);
      cairo_line_to(cr, w * 0.55 + d, h * 0.15);
      cairo_line_to(cr, w - 6, h / 2);
      cairo_line_to(cr, w * 0.55 + d, h * 0.85);
      cairo_line_to(cr, w * 0.55 + d, h * 0.62);
      cairo_line_to(cr, 8 + d, h * 0.62);
      cairo_close_path(cr);
      ShadeAndOutline(cr, p == 0 ? colour::Berry : colour::Berry.Lighter(0.25), 2.5);
    });
  });
  r.Add("ChapterDialogBalloon", [](Canvas& c, const TCatalogueImage& e) {
    // 0 top, 1 one text line, 2 bottom with the tail
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      const double top = p == 0 ? 2 : -20, bottom = p == 2 ? h - 6 : h + 20;
      RoundedRect(cr, 2, top, w - 4, bottom - top, 18);
      SetColor(cr, colour::White);
      cairo_fill_preserve(cr);
      SetColor(cr, colour::Ink);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    });
  });
  r.Add("ChapterDialogBalloonTail", [](Canvas& c, const TCatalogueImage&) {
    // Points left and down to the speaker; its right end lies over the
    // balloon's edge and opens it.
    cairo_t* cr = c.Cr();
    const double w = c.Width();
    cairo_move_to(cr, w, 6);
    cairo_curve_to(cr, w * 0.55, 8, w * 0.25, 20, 2, c.Height() - 4);
    cairo_curve_to(cr, w * 0.4, c.Height() - 10, w * 0.7, 30, w, 28);
    cairo_close_path(cr);
    SetColor(cr, colour::White);
    cairo_fill(cr);
    cairo_move_to(cr, w - 4, 6);
    cairo_curve_to(cr, w * 0.55, 8, w * 0.25, 20, 2, c.Height() - 4);
    cairo_curve_to(cr, w * 0.4, c.Height() - 10, w * 0.7, 30, w - 4, 28);
    SetColor(cr, colour::Ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  });
  r.Add("TutorialScroll", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    RoundedRect(cr, 24, 20, w - 48, h - 40, 10);
    FillVertical(cr, 20, h - 20, colour::Cream, colour::Parchment.Darker(0.05));
    SetColor(cr, colour::Wood);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double y : {4.0, h - 36}) {
      RoundedRect(cr, 6, y, w - 12, 32, 16);
      ShadeAndOutline(cr, colour::Parchment.Darker(0.15), 2.5);
      for (double x : {2.0, w - 22}) {
        RoundedRect(cr, x, y - 4, 20, 40, 8);
        ShadeAndOutline(cr, colour::Wood, 2);
      }
    }
  });
  r.Add("TutorialBlackRect", [](Canvas& c, const TCatalogueImage&) {
    RoundedRect(c.Cr(), 0, 0, c.Width(), c.Height(), 24);
    cairo_set_source_rgba(c.Cr(), 0.08, 0.05, 0.12, 0.85);
    cairo_fill(c.Cr());
  });
}

}  // namespace

void RegisterInterfacePainters(PainterRegistry& r) {
  RegisterWindowsAndButtons(r);
  CheckBoxes(r);
  Bars(r);
  Hud(r);
  Jars(r);
  RegisterRest(r);
}

}  // namespace contentgen
