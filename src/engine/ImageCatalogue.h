#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

// Every picture of the default content pack: what the code draws and what
// the content generator writes. Folders are '/' paths under the program
// folder.
enum class TImageFormat { Png, Jpeg };

struct TCatalogueImage {
  std::string Name;
  std::string Folder;
  TImageFormat Format = TImageFormat::Png;
  int Width = 0;
  int Height = 0;
  int Columns = 1;
  int Rows = 1;

  int PatternWidth() const { return Width / Columns; }
  int PatternHeight() const { return Height / Rows; }
  int PatternCount() const { return Columns * Rows; }
  bool MultiPattern() const { return PatternCount() > 1; }
  std::string FileName() const;      // name plus ".png" or ".jpg"
  std::string RelativePath() const;  // folder + "/" + file name
};

namespace folder {
inline constexpr std::string_view Images = "Images";
inline constexpr std::string_view Logo = "Images/Logo";
inline constexpr std::string_view Splash = "Images/Splash";
inline constexpr std::string_view LateLoad = "Images/LateLoad";
inline constexpr std::string_view UpgradeScene = "Images/UpgradeScene";
inline constexpr std::string_view Story = "Images/Story";
inline constexpr std::string_view StoryReduced = "Images/StoryW10";
inline constexpr std::string_view Ending = "Images/Ending";
inline constexpr std::string_view EndingReduced = "Images/EndingW10";
inline constexpr std::string_view Menu = "Images/Menu";
inline constexpr std::string_view Board = "Images/Board";
// The same pictures drawn at twice the size, for large screens, in the same
// folders below this one.
inline constexpr std::string_view ImagesAtDensity2 = "Images2x";
}  // namespace folder

// Where a picture of the "Images" tree lies in the set of a density (1 or
// 2): "Images/Menu/MenuBG.jpg" at 2 is "Images2x/Menu/MenuBG.jpg".
std::string PathAtDensity(const std::string& relativePath, int density);

// Where a lettered picture of the "Images" tree lies in a language's own set,
// a folder named by the language code: "Images/PlayButton.png" in German is
// "Images/de/PlayButton.png". Only pictures with words have such a twin.
std::string PathInLanguage(const std::string& relativePath, std::string_view code);

// Creature folder names by creature kind 0..4 (dragon, demon, warg,
// griffin, spider), below "Images/Creatures/".
std::string CreatureFolder(int creatureKind);

// Names the game chooses itself for pictures it draws. Multi-pattern ones
// list their grid as columns x rows.
namespace img {
// Bitmap fonts, rendered separately from the other pictures.
inline constexpr std::string_view GlobalFontWhite = "GlobalFontWhite";
inline constexpr std::string_view CommentFont = "CommentFont";
// Their second sheets (named after them with "More"): the letters other
// Western European languages add.
inline constexpr std::string_view GlobalFontWhiteMore = "GlobalFontWhiteMore";  // 28x1
inline constexpr std::string_view CommentFontMore = "CommentFontMore";          // 14x2

// World map.
inline constexpr std::string_view MapStamp = "MapStamp";                // completed-island stamp
inline constexpr std::string_view MapIslandMarker = "MapIslandMarker";  // 2x1: marker, its glow

// Round HUD.
inline constexpr std::string_view TimerTube = "TimerTube";              // glass over the liquid
inline constexpr std::string_view TimerTubeLiquid = "TimerTubeLiquid";  // 22 x 305, drawn bottom-up
inline constexpr std::string_view TubeMedalMarks = "TubeMedalMarks";    // 2x1: gold, silver medal beside the tube
inline constexpr std::string_view ScreenDarkener = "ScreenDarkener";    // translucent, drawn stretched
inline constexpr std::string_view FocusRing = "FocusRing";              // drawn in nine pieces around a control
inline constexpr std::string_view WrenPocket = "WrenPocket";            // account display
inline constexpr std::string_view ComboBadge = "ComboBadge";            // 3x1: looks 0..2
inline constexpr std::string_view ToolCounterDigit = "ToolCounterDigit";  // 10x1: digits 0..9

// Board.
inline constexpr std::string_view Locker = "Locker";                // 3x1: one per locker colour
inline constexpr std::string_view GoldTileFrame = "GoldTileFrame";  // 2x1: gold tile 1, gold tile 2
inline constexpr std::string_view LockerDebris = "LockerDebris";    // 4x1: splinters
inline constexpr std::string_view BitingWorm = "BitingWorm";        // 4x1: 55 x 65 frames
inline constexpr std::string_view Explosion = "Explosion";          // 6x1
inline constexpr std::string_view BubblePopRing = "BubblePopRing";  // 4x1
inline constexpr std::string_view HammerStrike = "HammerStrike";
inline constexpr std::string_view SparkleStar = "SparkleStar";
inline constexpr std::string_view BoardFrame = "BoardFrame";  // ready-made frame of a full board

// Counted tools: 4x1 like the manna tools (idle, highlighted, carried, disabled).
inline constexpr std::string_view BroomTool = "BroomTool";
inline constexpr std::string_view MagicKeyTool = "MagicKeyTool";
inline constexpr std::string_view AerosolTool = "AerosolTool";
inline constexpr std::string_view MagicKeyOpening = "MagicKeyOpening";  // 3x1: turning key
inline constexpr std::string_view AerosolSpray = "AerosolSpray";

// Monsters: the same names in every creature folder, one folder loaded at a time.
inline constexpr std::string_view MonsterWalk = "MonsterWalk";    // 7x1: side walk
inline constexpr std::string_view MonsterFront = "MonsterFront";  // 2x1: facing, absorbing
inline constexpr std::string_view MonsterDeath = "MonsterDeath";  // 7x1
inline constexpr std::string_view MonsterShadow = "MonsterShadow";
inline constexpr std::string_view MonsterAura = "MonsterAura";
inline constexpr std::string_view MonsterKOStars = "MonsterKOStars";  // 4x1
inline constexpr std::string_view AbsorbedEnergy = "AbsorbedEnergy";

// Guide character and hint panel of the upgrade scene and tutorials.
inline constexpr std::string_view SmallWren = "SmallWren";  // 4x1: idle, talking, pointing, cheering
inline constexpr std::string_view BuySlotsInfo = "BuySlotsInfo";
}  // namespace img

// Conversation pictures are 4x3: the column is the mouth (0 closed, 1..3
// talking), the row the pose (0 listening, 1 and 2 two gestures of speaking).
inline constexpr int ChatMouthPatterns = 4;
inline constexpr int ChatPoses = 3;

const std::vector<TCatalogueImage>& ImageCatalogue();

// First entry of that name (names repeat only across folders that are
// never loaded together, with the same grid).
const TCatalogueImage* FindCatalogueImage(std::string_view name);
const TCatalogueImage* FindCatalogueImage(std::string_view folder, std::string_view name);

// Multi-pattern pictures the fixed pattern table does not know; the image
// list adds them to its table. One entry per name.
std::vector<const TCatalogueImage*> ExtraPatternEntries();

}  // namespace qm
