// Full-screen pictures, the map, the town and its stickers; the story strips
// are drawn by StoryPictures.cpp.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "Buildings.h"
#include "Lettering.h"
#include "Painters.h"
#include "Pieces.h"
#include "StoryPictures.h"
#include "Style.h"

namespace contentgen {

namespace {

using qm::TCatalogueImage;

void Vignette(cairo_t* cr, double w, double h, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(w / 2, h / 2, h * 0.35, w / 2, h / 2, w * 0.62);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, alpha);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// ---- town stickers --------------------------------------------------------

struct StickerArt {
  std::string_view Name;
  int Island;
  Building Kind;
};
constexpr StickerArt kStickers[] = {
    {"Upg1-1", 1, Building::HarbourPier},  {"Upg1-2", 1, Building::FishersHut},  {"Upg1-3", 1, Building::Lighthouse},
    {"Upg1-4", 1, Building::MarketSquare}, {"Upg2-1", 2, Building::Sawmill},     {"Upg2-2", 2, Building::RiverBridge},
    {"Upg2-3", 2, Building::FlowerGarden}, {"Upg2-4", 2, Building::TownHall},    {"Upg3-1", 3, Building::Windmill},
    {"Upg3-2", 3, Building::Goldsmith},    {"Upg3-3a", 3, Building::ClockTower}, {"Upg3-3b", 3, Building::Belfry},
    {"Upg3-4", 3, Building::CliffCastle},  {"Upg4-1", 4, Building::PotionShop},  {"Upg4-2", 4, Building::Laboratory},
    {"Upg4-3", 4, Building::Greenhouse},   {"Upg4-4", 4, Building::Observatory}, {"Upg5-1", 5, Building::SkyGarden},
    {"Upg5-2", 5, Building::CableCar},     {"Upg5-3", 5, Building::WeatherVane}, {"Upg5-4a", 5, Building::MooringMast},
    {"Upg5-4b", 5, Building::Windsock},
};

// The shop icon of upgrade (island, slot) shows the sticker it reveals.
const StickerArt& StickerOfSlot(int island, int slot) {
  const std::string prefix = "Upg" + std::to_string(island) + "-" + std::to_string(slot);
  for (const auto& s : kStickers)
    if (s.Name.starts_with(prefix)) return s;
  return kStickers[0];
}

// The sticker on a round plate, at its own proportions so that tall and
// wide buildings keep their shape.
void DrawStickerIcon(cairo_t* cr, const StickerArt& s, double w, double h) {
  cairo_arc(cr, w / 2, h / 2, w * 0.46, 0, 2 * M_PI);
  ShadeAndOutline(cr, Island(s.Island).SkyLow, 2.5);
  const qm::TCatalogueImage* picture = qm::FindCatalogueImage(s.Name);
  if (!picture) throw std::runtime_error("no catalogue picture " + std::string(s.Name));
  const double fit = std::min(w * 0.72 / picture->Width, h * 0.66 / picture->Height);
  const double bw = picture->Width * fit, bh = picture->Height * fit;
  cairo_save(cr);
  cairo_translate(cr, (w - bw) / 2, (h - bh) / 2);
  DrawBuilding(cr, s.Kind, bw, bh, Island(s.Island));
  cairo_restore(cr);
}

void RegisterTown(PainterRegistry& r) {
  for (const auto& s : kStickers)
    r.Add(s.Name, [s](Canvas& c, const TCatalogueImage&) {
      DrawBuilding(c.Cr(), s.Kind, c.Width(), c.Height(), Island(s.Island));
    });
  r.Add("Zeppelin", [](Canvas& c, const TCatalogueImage&) {
    DrawZeppelin(c.Cr(), c.Width() * 0.52, c.Height() * 0.4, c.Width() * 0.8);
  });
  for (bool grey : {false, true})
    r.Add(grey ? "BuySlotIcons_Gray" : "BuySlotIcons", [grey](Canvas& c, const TCatalogueImage& e) {
      ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
        DrawStickerIcon(cr, StickerOfSlot(p / 4 + 1, p % 4 + 1), w, h);
      });
      if (grey) Desaturate(c.Surface(), 0, 0, c.Width(), c.Height(), 0.3);
    });
  for (int island = 1; island <= 5; ++island)
    r.Add("ciBG" + std::to_string(island), [island](Canvas& c, const TCatalogueImage&) {
      cairo_t* cr = c.Cr();
      DrawLandscape(cr, c.Width(), c.Height(), Island(island), 500 + island, 0.45);
      if (island == 5)  // the finished town: garlands over the whole picture
        for (int i = 0; i < 40; ++i) {
          StarPath(cr, 30 + i * 34, 40 + 20 * std::sin(i * 0.6), 9, 4, 5);
          SetColor(cr, i % 2 ? colour::Gold : colour::Berry);
          cairo_fill(cr);
        }
    });
  r.Add("UpgSceneCloudBG", [](Canvas& c, const TCatalogueImage&) {
    // Drawn twice its size over the town: a sky haze that fades out well
    // above the roofs, with a few clouds in it.
    cairo_t* cr = c.Cr();
    cairo_pattern_t* haze = cairo_pattern_create_linear(0, 0, 0, c.Height() * 0.45);
    cairo_pattern_add_color_stop_rgba(haze, 0, 0.43, 0.78, 1.0, 0.55);
    cairo_pattern_add_color_stop_rgba(haze, 1, 0.43, 0.78, 1.0, 0.0);
    cairo_rectangle(cr, 0, 0, c.Width(), c.Height() * 0.45);
    cairo_set_source(cr, haze);
    cairo_fill(cr);
    cairo_pattern_destroy(haze);
    Lcg rng(77);
    for (int i = 0; i < 6; ++i)
      DrawCloud(cr, rng.Range(0, c.Width()), rng.Range(10, c.Height() * 0.2), rng.Range(20, 40), 0.7);
  });
  r.Add("UpgSceneCloudCover", [](Canvas& c, const TCatalogueImage&) {
    Lcg rng(78);
    for (int i = 0; i < 22; ++i) DrawCloud(c.Cr(), i * 66 + rng.Range(-10, 10), rng.Range(10, 50), rng.Range(40, 70));
  });
}

// ---- map -----------------------------------------------------------------

void RegisterMap(PainterRegistry& r) {
  r.Add("MapBG", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    cairo_rectangle(cr, 0, 0, w, h);
    FillRadial(cr, w / 2, h / 2, w * 0.7, Hex(0x7fd8f0), Hex(0x2f8fc8));
    cairo_new_path(cr);
    Lcg rng(11);
    for (int i = 0; i < 70; ++i) {
      const double x = rng.Range(0, w), y = rng.Range(0, h);
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + 8, y - 6, x + 16, y - 6, x + 24, y);
    }
    SetColor(cr, colour::White, 0.5);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // compass rose, in the top-right corner: the lower corners hold the
    // Menu and Play panels
    StarPath(cr, w - 120, 120, 70, 14, 4);
    ShadeAndOutline(cr, colour::Cream, 2.5);
    StarPath(cr, w - 120, 120, 44, 10, 4, M_PI / 4);
    ShadeAndOutline(cr, colour::Gold, 2);
    // parchment border
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_rectangle(cr, 18, 18, w - 36, h - 36);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColor(cr, colour::Parchment.Darker(0.1));
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_rectangle(cr, 18, 18, w - 36, h - 36);
    SetColor(cr, colour::Wood);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  });
  for (int island = 1; island <= 5; ++island)
    r.Add("MapRoom" + std::to_string(island), [island](Canvas& c, const TCatalogueImage&) {
      DrawIslandShape(c.Cr(), c.Width(), c.Height(), Island(island), 40 + island);
    });
  r.Add(qm::img::MapStamp, [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double m = c.Width() / 2.0;
    StarPath(cr, m, m, m - 4, m - 14, 16);
    SetColor(cr, colour::Berry, 0.85);
    cairo_fill(cr);
    cairo_arc(cr, m, m, m - 22, 0, 2 * M_PI);
    SetColor(cr, colour::White, 0.9);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, m * 0.55, m);
    cairo_line_to(cr, m * 0.9, m * 1.35);
    cairo_line_to(cr, m * 1.5, m * 0.65);
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
  });
  r.Add(qm::img::MapIslandMarker, [](Canvas& c, const TCatalogueImage& e) {
    // 0 the pin, 1 its glow
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      if (p == 1) {
        SoftGlow(cr, w / 2, h * 0.4, w * 0.5, Hex(0xfff3a0), 0.9);
        return;
      }
      cairo_move_to(cr, w / 2, h - 3);
      cairo_curve_to(cr, w * 0.1, h * 0.55, w * 0.05, h * 0.05, w / 2, h * 0.05);
      cairo_curve_to(cr, w * 0.95, h * 0.05, w * 0.9, h * 0.55, w / 2, h - 3);
      cairo_close_path(cr);
      ShadeAndOutline(cr, colour::Berry, 2.5);
      cairo_arc(cr, w / 2, h * 0.33, w * 0.16, 0, 2 * M_PI);
      ShadeAndOutline(cr, colour::White, 2);
    });
  });
}

// ---- full screens --------------------------------------------------------

void RegisterScreens(PainterRegistry& r) {
  const StoryScene opening[] = {StoryScene::Islands, StoryScene::Gale, StoryScene::Guardians, StoryScene::Gardener,
                                StoryScene::SettingOff};
  const StoryScene ending[] = {StoryScene::Lanterns, StoryScene::Homecoming, StoryScene::Festival};
  auto paint = [](StoryScene s) {
    return [s](Canvas& c, const TCatalogueImage&) {
      DrawStoryPicture(c.Cr(), c.Width(), c.Height(), s);
      Vignette(c.Cr(), c.Width(), c.Height(), 0.35);
    };
  };
  for (int strip = 1; strip <= 5; ++strip) {
    char name[16];
    std::snprintf(name, sizeof name, "Story-%2.2d", strip);
    for (auto folder : {qm::folder::Story, qm::folder::StoryReduced})
      r.AddIn(folder, name, paint(opening[strip - 1]));
    if (strip <= 3)
      for (auto folder : {qm::folder::Ending, qm::folder::EndingReduced})
        r.AddIn(folder, name, paint(ending[strip - 1]));
  }
  for (int mission = 1; mission <= 5; ++mission)
    r.Add("GameBG" + std::to_string(mission), [mission](Canvas& c, const TCatalogueImage&) {
      DrawLandscape(c.Cr(), c.Width(), c.Height(), Island(mission), 700 + mission, 0.4);
      Vignette(c.Cr(), c.Width(), c.Height(), 0.45);
    });
  const char* companies[] = {"Qvx", "Garden Gate", "Quillmere"};
  for (int logo = 1; logo <= 3; ++logo)
    r.Add("CompanyLogo" + std::to_string(logo), [logo, companies](Canvas& c, const TCatalogueImage&) {
      cairo_t* cr = c.Cr();
      const double w = c.Width(), h = c.Height();
      cairo_rectangle(cr, 0, 0, w, h);
      SetColor(cr, colour::White);
      cairo_fill(cr);
      DrawPiece(cr, logo == 1 ? 9 : logo == 2 ? 15 : 1, w / 2, h * 0.4, h * 0.3);
      OutlinedText(cr, companies[logo - 1], w / 2, h * 0.68, h * 0.08, Hex(0x3a6a2a), colour::White, 0);
      if (logo == 2) OutlinedText(cr, "games", w / 2, h * 0.76, h * 0.04, Hex(0x7a9a6a), colour::White, 0);
    });
  r.Add("WhiteRect", [](Canvas& c, const TCatalogueImage&) {
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), c.Height());
    SetColor(c.Cr(), colour::White);
    cairo_fill(c.Cr());
  });
  r.Add("SplashBG", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    DrawLandscape(cr, w, h, Island(1), 321);
    for (int i = 0; i < 12; ++i) DrawPiece(cr, i, w * (0.12 + i * 0.07), h * 0.44 + 14 * std::sin(i * 1.3), 64);
    OutlinedText(cr, "Quillmere", w / 2, h * 0.26, 130, colour::Gold, colour::Ink, 10);
  });
  r.Add("Help1", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    DrawLandscape(cr, w, h, Island(3), 123);
    DrawWindowFrame(cr, 120, 60, w - 240, h - 120, 30);
    DrawLabel(cr, "How to play", w / 2, 140, 48, colour::Gold, colour::Ink, 6, w - 300);
    const char* lines[] = {"Swap two neighbouring pieces to line up three or more.",
                           "Collect what the level asks for: the quicker, the better your medal.",
                           "Matches fill the manna jar and arm your tools."};
    // Light words edged in ink: the window's green is dark.
    for (int i = 0; i < 3; ++i) DrawLabel(cr, lines[i], w / 2, 230 + i * 150, 26, colour::Cream, colour::Ink, 3, w - 300);
    for (int i = 0; i < 3; ++i) DrawPiece(cr, 1, w / 2 - 60 + i * 60, 290, 52);
    for (int i = 0; i < 6; ++i) DrawPiece(cr, 12 + i % 6, w / 2 - 150 + i * 60, 440, 52);
    const ToolIcon tools[] = {ToolIcon::Hammer, ToolIcon::Bomb, ToolIcon::Collector, ToolIcon::HorzLightning,
                              ToolIcon::VertLightning, ToolIcon::BigBomb};
    for (int i = 0; i < 6; ++i) DrawToolIcon(cr, tools[i], w / 2 - 150 + i * 60, 590, 52);
  });
  r.Add("TransDark", [](Canvas& c, const TCatalogueImage&) {
    // A dark iris with a small flower-shaped hole: drawn huge it leaves the
    // scene in view, and as it shrinks the hole closes over the screen. At
    // its smallest the hole hides behind the spinning flower.
    cairo_t* cr = c.Cr();
    const double m = c.Width() / 2.0, hole = 26.0;
    cairo_rectangle(cr, 0, 0, c.Width(), c.Height());
    SetColor(cr, Hex(0x1e1030));
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4;
      cairo_new_sub_path(cr);
      cairo_arc(cr, m + std::cos(a) * hole * 0.55, m + std::sin(a) * hole * 0.55, hole * 0.5, 0, 2 * M_PI);
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, m, m, hole * 0.75, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  });
  r.Add("TransSpin", [](Canvas& c, const TCatalogueImage&) {
    cairo_t* cr = c.Cr();
    const double m = c.Width() / 2.0;
    for (int i = 0; i < 6; ++i) {
      cairo_save(cr);
      cairo_translate(cr, m, m);
      cairo_rotate(cr, i * M_PI / 3);
      cairo_move_to(cr, 0, 0);
      cairo_curve_to(cr, m * 0.4, -m * 0.2, m * 0.8, m * 0.1, m * 0.9, m * 0.4);
      cairo_curve_to(cr, m * 0.6, m * 0.2, m * 0.3, m * 0.15, 0, 0);
      cairo_restore(cr);
      ShadeAndOutline(cr, Island(i % 5 + 1).Accent, 3, m, m, m);
    }
    cairo_arc(cr, m, m, m * 0.16, 0, 2 * M_PI);
    ShadeAndOutline(cr, colour::Gold, 3);
  });
  r.Add("StoryBGMask", [](Canvas& c, const TCatalogueImage& e) {
    // 0 top band, 1 bottom band: black, softening towards the picture
    ForEachPattern(c, e.Columns, e.Rows, [](cairo_t* cr, int p, double w, double h) {
      cairo_rectangle(cr, 0, 0, w, h);
      cairo_pattern_t* g = cairo_pattern_create_linear(0, p == 0 ? 0 : h, 0, p == 0 ? h : 0);
      cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 1);
      cairo_pattern_add_color_stop_rgba(g, 0.85, 0, 0, 0, 1);
      cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.6);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    });
  });
  r.Add("StoryDarkCorners", [](Canvas& c, const TCatalogueImage&) { Vignette(c.Cr(), c.Width(), c.Height(), 1.0); });
  r.Add("BlackRect", [](Canvas& c, const TCatalogueImage&) {
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), c.Height());
    cairo_set_source_rgb(c.Cr(), 0, 0, 0);
    cairo_fill(c.Cr());
  });
  r.Add("MovieEffectMask", [](Canvas& c, const TCatalogueImage&) {
    Vignette(c.Cr(), c.Width(), c.Height(), 0.7);
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), c.Height());
    cairo_set_source_rgba(c.Cr(), 0.4, 0.25, 0.1, 0.18);
    cairo_fill(c.Cr());
  });
}

}  // namespace

void RegisterBackgroundPainters(PainterRegistry& r) {
  RegisterTown(r);
  RegisterMap(r);
  RegisterScreens(r);
}

}  // namespace contentgen
