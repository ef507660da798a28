#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "effects/EffectsSet.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaTimer.h"
#include "engine/OutputScale.h"
#include "text/Language.h"
#include "engine/SpriteTileCount.h"
#include "platform/Platform.h"
#include "shell/CompanyLogos.h"
#include "shell/FormWin10Confirm.h"
#include "shell/GameFolders.h"
#include "shell/GameScene.h"
#include "shell/ImageLoader.h"
#include "shell/LoadedImageList.h"
#include "shell/LoadingBar.h"
#include "shell/SceneTransition.h"
#include "text/ChapterDialog.h"
#include "text/ComicStrips.h"
#include "text/GameComment.h"
#include "text/CreditLines.h"
#include "text/GlobalGameText.h"
#include "text/HelpPages.h"
#include "text/TutorialToolTip.h"
#include "text/WrenTutorial.h"
#include "text/NarrationText.h"
#include "text/SettingLoader.h"
#include "text/TextStrings.h"
#include "audio/MusicBox.h"
#include "audio/SFXPlayer.h"
#include "audio/VoicePlayer.h"
#include "widgets/GameButton.h"
#include "widgets/GameCheckBox.h"
#include "widgets/VolumeBar.h"
#include "widgets/FocusRing.h"
#include "board/BoardCursor.h"
#include "widgets/GameConfirmWindow.h"
#include "widgets/PanelMover.h"
#include "engine/ValueUpDown.h"
#include "board/RoundPlay.h"
#include "rules/Combos.h"
#include "rules/CombosConveyer.h"
#include "rules/ElementGather.h"
#include "rules/EnergyBonusPopper.h"
#include "rules/JackpotScore.h"
#include "rules/LevelParams.h"
#include "rules/MannaEnergy.h"
#include "rules/ObjectiveInfo.h"
#include "rules/ResultMedal.h"
#include "rules/ResultStats.h"
#include "rules/ResultWindowLayout.h"
#include "rules/RoundScore.h"
#include "rules/TubeTimer.h"
#include "widgets/GameMenuWindow.h"
#include "progress/BookProgressTube.h"
#include "progress/BuySlots.h"
#include "progress/BuySlotsInfo.h"
#include "progress/CompletedStamps.h"
#include "progress/HighScores.h"
#include "progress/MapIslands.h"
#include "progress/NameInput.h"
#include "progress/NameList.h"
#include "progress/PowerTools.h"
#include "progress/ProgressRecord.h"
#include "progress/SmallWren.h"
#include "progress/StickerBookObjects.h"
#include "enemies/AbsorbedEnergy.h"
#include "enemies/Aerosol.h"
#include "enemies/BossMonster.h"
#include "enemies/CrawlingSpiders.h"
#include "enemies/MonsterAura.h"
#include "enemies/Broom.h"
#include "enemies/CollectorBombTool.h"
#include "enemies/FlowingTool.h"
#include "enemies/MagicKey.h"

namespace qm {

// The main window: owns every game object, wires their events to its own
// handlers, runs the frame tick and routes input by scene.
class TFormMain {
 public:
  static constexpr const char* kAlreadyRunningMessage = "Application is already running.";
  static constexpr const char* kNonAsciiFolderMessage =
      "Please reinstall the game to a folder or path that has all standard ASCII characters.  For example "
      "\"C:\\Program Files\\Fernwick!\\\".  This game cannot run if the folder or path contains NON-ASCII or "
      "foreign characters.  Thank you.";
  static constexpr int kFrameWidth = 1366;
  static constexpr int kFrameHeight = 768;
  static constexpr unsigned kSwitchDelayMs = 100;
  static constexpr int kSplashTicksBeforeLoading = 32;

  explicit TFormMain(TPlatform& platform);
  ~TFormMain();
  TFormMain(const TFormMain&) = delete;
  TFormMain& operator=(const TFormMain&) = delete;

  // Window events.
  void FormCreate();
  void FormShow();
  void FormCloseQuery(bool& canClose);
  void FormClose();
  void FormMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void FormMouseMove(TShiftState shift, int x, int y);
  void FormMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void FormKeyDown(int& key, TShiftState shift);
  void FormKeyPress(char& key);

  // The frame tick: the only place the game advances.
  void OmegaTimer1Timer();

  // Application focus.
  void AppDeactivate();
  void AppActivate();
  void AppRestore();
  void Timer1Timer();
  void Suspend();
  void Resume();

  // How the start-up dialog is shown; the platform (or a test) decides.
  std::function<void(TFormWin10Confirm&)> OnShowStartupDialog;

  // Saves the frame as it was last drawn; false when there is none.
  bool SaveScreenshot(const std::filesystem::path& file);
  // The first free "ScreenshotNNN.png" in the save folder.
  std::filesystem::path NextScreenshotFile() const;
  // A window position in frame coordinates (1366 x 768).
  void WindowToFrame(int& x, int& y) const;

  // The audio players: sound effects, music and voices.
  std::unique_ptr<TSFXPlayer> SFXPlayer;
  std::unique_ptr<TMusicBox> MusicBox;
  std::unique_ptr<TVoicePlayer> VoicePlayer;

  // Design-time components.
  std::unique_ptr<TOmegaScreen> OmegaScreen1;
  std::unique_ptr<TOmegaTimer> OmegaTimer1;
  std::unique_ptr<TOmegaImageList> OmegaImageList1;

  // Components made at start-up.
  std::unique_ptr<TFormWin10Confirm> FormWin10Confirm;
  std::unique_ptr<TSpriteTileCount> SpriteTileCount;
  std::unique_ptr<TLoadedImageList> LoadedImageList;
  std::unique_ptr<TImageLoader> ImageLoader;
  std::unique_ptr<TGameScene> GameScene;
  std::unique_ptr<TSceneTransition> SceneTransition;
  std::unique_ptr<TCompanyLogos> CompanyLogos;
  std::unique_ptr<TLoadingBar> LoadingBar;
  std::unique_ptr<TSettingLoader> SettingLoader;
  std::unique_ptr<TTextStrings> TextStrings;
  std::unique_ptr<TGlobalGameText> GlobalGameText;
  std::unique_ptr<TGameConfirmWindow> ConfirmWindow;
  // Play from the keyboard: the focus among a scene's controls and the
  // cursor on the board, both shown only while the keyboard is in use.
  std::unique_ptr<TFocusRing> FocusRing;
  std::unique_ptr<TBoardCursor> BoardCursor;

  // The main menu: two sliding panels, the swinging title and six buttons.
  std::unique_ptr<TPanelMover> MenuPanelMover;
  std::unique_ptr<TPanelMover> WelcomePanelMover;
  std::unique_ptr<TValueUpDown> MenuTitlePulser;
  std::unique_ptr<TGameButton> ChangePlayerLink;
  std::unique_ptr<TGameButton> PlayButton;
  std::unique_ptr<TGameButton> OptionsButton;
  std::unique_ptr<TGameButton> HighScoresButton;
  std::unique_ptr<TGameButton> ExitButton;
  std::unique_ptr<TGameButton> HelpButton;

  // The round: the level, the board and its effects, the objectives, the
  // timer, the score and the result window.
  std::unique_ptr<TLevelParams> LevelParams;
  std::unique_ptr<TRoundPlay> RoundPlay;
  std::unique_ptr<TElementGather> ElementGather;
  // Every visual effect, started on the game's events.
  std::unique_ptr<TEffectsSet> Effects;
  std::unique_ptr<TObjectiveInfo> ObjectiveInfo;
  std::unique_ptr<TTubeTimer> TubeTimer;
  std::unique_ptr<TRoundScore> RoundScore;
  std::unique_ptr<TCombos> Combos;
  std::unique_ptr<TCombosConveyer> CombosConveyer;
  std::unique_ptr<TEnergyBonusPopper> EnergyBonusPopper;
  std::unique_ptr<TJackpotScore> TotalScore;
  std::unique_ptr<TGameMenuWindow> TopPanel;
  std::unique_ptr<TPanelMover> ElementsPanelMover;
  std::unique_ptr<TGameMenuWindow> LeftPanel;
  std::unique_ptr<TMannaEnergy> MannaEnergy;
  // The tools: six power tools on the left panel, paid with manna; the
  // magic key, the broom and the aerosol with their stocks; counted tools
  // collected from the board on their way to their holders.
  std::array<std::unique_ptr<TCollectorBombTool>, 6> CollectorBombTools;
  std::unique_ptr<TMagicKey> MagicKey;
  std::unique_ptr<TBroom> Broom;
  std::unique_ptr<TAerosol> Aerosol;
  std::unique_ptr<TFlowingTool> FlowingTools;
  // The enemies: spiders that drop onto the board in waves, and the five
  // island monsters (by creature: owl, squirrel, bee, bat, cat), of which a
  // boss round shows its island's, with its aura and the drained time.
  std::unique_ptr<TCrawlingSpiders> Spiders;
  std::array<std::unique_ptr<TBossMonster>, 5> Bosses;
  std::unique_ptr<TMonsterAura> MonsterAura;
  std::unique_ptr<TAbsorbedEnergy> AbsorbedEnergy;
  std::unique_ptr<TGameMenuWindow> ResultWindow;
  std::unique_ptr<TGameButton> ResultOKButton;
  std::unique_ptr<TResultMedal> ResultMedal;
  std::unique_ptr<TResultStats> ResultStats;
  std::unique_ptr<TResultFeatureShine> ResultShine;

  // The players: the list and its window, the name entry and its window,
  // and the high-score table with its window.
  std::unique_ptr<TNameList> NameList;
  std::unique_ptr<TGameMenuWindow> NameListWindow;
  std::unique_ptr<TGameButton> NameListNewButton;
  std::unique_ptr<TGameButton> NameListDeleteButton;
  std::unique_ptr<TGameButton> NameListOKButton;
  std::unique_ptr<TNameInput> NameInput;
  std::unique_ptr<TGameMenuWindow> AddNameWindow;
  std::unique_ptr<TGameButton> AddNameOKButton;
  std::unique_ptr<TGameButton> AddNameCancelButton;
  std::unique_ptr<THighScores> HighScores;
  std::unique_ptr<TGameMenuWindow> HighScoresWindow;
  std::unique_ptr<TGameButton> HighScoresOKButton;
  // The upgrade scene: the town picture, the shop's slots and the pocket,
  // the hint panel, the guide character and the book's progress.
  std::unique_ptr<TBuySlots> BuySlots;
  std::unique_ptr<TBuySlotsInfo> BuySlotsInfo;
  std::unique_ptr<TStickerBookObjects> StickerBookObjects;
  std::unique_ptr<TSmallWren> SmallWren;
  std::unique_ptr<TBookProgressTube> BookProgressTube;
  std::unique_ptr<TPanelMover> ShopPanelMover;
  std::unique_ptr<TPanelMover> StickerBookPanelMover;
  std::unique_ptr<TGameButton> BookPlayButton;
  // Back to the menu from the upgrade scene, as the map's Menu.
  std::unique_ptr<TGameButton> ShopMenuButton;
  // The shop takes clicks: no chapter, scroll or purchase under way.
  bool ShopTakesClicks() const;
  // The world map: its islands, the stamps of finished ones, two corner
  // panels with their buttons.
  std::unique_ptr<TMapIslands> MapIslands;
  std::unique_ptr<TCompletedStamps> CompletedStamps;
  std::unique_ptr<TPanelMover> MapLeftPanelMover;
  std::unique_ptr<TPanelMover> MapRightPanelMover;
  std::unique_ptr<TGameButton> MapMenuButton;
  std::unique_ptr<TGameButton> MapPlayButton;
  // The options window: sound and music with their volumes, full screen,
  // tutorials, the credits and OK.
  std::unique_ptr<TGameMenuWindow> OptionsWindow;
  std::unique_ptr<TGameCheckBox> SoundCheckBox;
  std::unique_ptr<TGameCheckBox> MusicCheckBox;
  std::unique_ptr<TGameCheckBox> FullScreenCheckBox;
  std::unique_ptr<TGameCheckBox> TutorialCheckBox;
  std::unique_ptr<TGameCheckBox> ReducedEffectsCheckBox;
  // English, German, French: one of them checked.
  std::array<std::unique_ptr<TGameCheckBox>, std::size(kLanguages)> LanguageBoxes;
  std::unique_ptr<TVolumeBar> SoundVolumeBar;
  std::unique_ptr<TVolumeBar> MusicVolumeBar;
  std::unique_ptr<TGameButton> SoundMinusButton;
  std::unique_ptr<TGameButton> SoundPlusButton;
  std::unique_ptr<TGameButton> MusicMinusButton;
  std::unique_ptr<TGameButton> MusicPlusButton;
  std::unique_ptr<TGameButton> CreditsButton;
  std::unique_ptr<TGameButton> OptionsOKButton;
  // The in-game menu, opened by its button on the top panel or Escape.
  std::unique_ptr<TGameMenuWindow> InGameMenuWindow;
  std::unique_ptr<TGameButton> InGameResumeButton;
  std::unique_ptr<TGameButton> InGameRestartButton;
  std::unique_ptr<TGameButton> InGameOptionsButton;
  std::unique_ptr<TGameButton> InGameHelpButton;
  std::unique_ptr<TGameButton> InGameToMenuButton;
  std::unique_ptr<TGameButton> InGameMenuButton;
  // The story: the opening and the ending strips with the narration typed
  // under them, and the skip button of both.
  std::unique_ptr<TComicStrips> ComicStrips;
  std::unique_ptr<TEndingComicStrips> EndingComicStrips;
  std::unique_ptr<TNarrationText> NarrationText;
  std::unique_ptr<TGameButton> StorySkipButton;
  // The conversations after purchases, with the upgrade scene's own skip
  // button.
  std::unique_ptr<TChapterDialog> ChapterDialog;
  std::unique_ptr<TGameButton> DialogSkipButton;
  // The big messages: the round's, the mission names on the map and the
  // upgrade scene's notices.
  std::unique_ptr<TGameComment> RoundComment;
  std::unique_ptr<TGameComment> MapComment;
  std::unique_ptr<TGameComment> StickerBookComment;
  // The guide's scroll and the tool tips, each with its OK button.
  std::unique_ptr<TWrenTutorial> Tutorial;
  std::unique_ptr<TGameButton> TutorialOKButton;
  std::unique_ptr<TTutorialToolTip> ToolTip;
  std::unique_ptr<TGameButton> ToolTipOKButton;
  // The help page and the credits window with its scrolling lines.
  std::unique_ptr<THelpPages> HelpPages;
  std::unique_ptr<TGameButton> HelpDoneButton;
  std::unique_ptr<TGameMenuWindow> CreditsWindow;
  std::unique_ptr<TCreditLines> CreditLines;
  std::unique_ptr<TGameButton> CreditsDoneButton;

  // The loaded player's record as read: the fields no component holds yet
  // are written back as they came. The default one is a new player's.
  TProgressRecord PlayerRecord;
  TProgressRecord DefaultRecord;
  static constexpr const char* kDeveloperModeCode = "DEBUG GO";

  // The loaded player's progress: read and applied, or captured and
  // written. A missing or damaged file gives the default record.
  void LoadProgress(const std::string& name);
  void SaveProgress(bool captureObjects);
  // Only some fields of the player's file, as a round may write them.
  void SaveFields(const std::function<void(TProgressRecord&)>& fields);
  // Offers the loaded player's total score to the high-score table.
  void SubmitScore();
  // The book is complete (its zeppelin revealed): Play offers a new game.
  bool GameComplete() const;
  const std::string& PlayerName() const { return State.PlayerName; }

  // Where the player is: the round being played and the resume point.
  struct TProgress {
    int IslandIdx = 1;
    int LevelIdx = 1;
    int NextUncompletedIslandIdx = 1;
    int NextUncompletedLevelIdx = 1;
  };
  TProgress Progress;

  // Starts a round of Progress's island and level.
  void StartLevel();
  // Leaving a round from the in-game menu: restart it, or give it up for the
  // menu (confirm question 7 answered Yes). Both take the round's earnings
  // back first.
  void RestartLevel();
  void AbandonRound();
  void RoundWon();
  void TimeUp();
  // Pauses or resumes a round: its timer stands while paused.
  void SetPaused(bool paused);
  // The options window, from the menu or from the in-game menu.
  void OpenOptions(bool fromRound);
  // The settings of the player's record to the audio players.
  void ApplySettings();
  // Full screen or a window; record makes it the player's setting.
  void SetDisplayMode(bool fullScreen, bool record);
  // The in-game menu over a round that can pause (Escape does the same).
  void OpenInGameMenu();
  // A tool is in the player's hand or at work: a counted one off its hook,
  // or a power tool carried.
  bool CountedToolActive() const;
  bool PowerToolCarried() const;
  TCollectorBombTool* PowerTool(TNewToolKind kind) const;
  // The monster of the round's island, and which creature each island has.
  TBossMonster& CurrentBoss() const;
  static int MonsterKindOfIsland(int island);
  // The magic key, the broom and the aerosol.
  std::array<TCountedTool*, 3> CountedTools() const;
  TGameBoard& GameBoard() const { return *RoundPlay->Board; }

  TGameFolders Folders;

  // Shell state, reset at start-up.
  struct TShellState {
    int SplashFrames = 0;
    bool SplashImagesLoaded = false;
    bool MainImagesLoaded = false;
    bool ResumeOnActivate = true;
    bool MinimizeAfterSwitch = false;
    bool DeveloperMode = false;
    bool StartFullScreen = false;
    bool Paused = false;
    bool PausedBeforeMenu = false;
    bool PausedBeforeConfirm = false;
    bool FullScreenEntered = false;
    bool PlayerLoaded = false;
    bool NoPlayersYet = false;
    // The player whose progress is loaded, and the one who was when the
    // player list opened.
    std::string PlayerName;
    std::string PlayerBeforeList;
    // What the name entry's confirmation decided, done once it has hidden.
    enum TNameEntryOutcome { neClosed, neAdded, neNameTaken, neDeveloperMode } NameEntryOutcome = neClosed;
    // The power tools this round offers (the tools read them).
    TPowerToolSet PowerTools{};
    // The upgrade being bought while the guide character flies.
    int PurchaseIsland = 0;
    int PurchaseSlot = 0;
    int MissionNumber = 1;
    // The player's full-screen option; off until a player is loaded.
    bool FullScreenOption = false;
    // The question the confirm window asks or asked last.
    int ConfirmQuestion = 0;
    TGameObjective RoundObjective = goNormalMode;
    bool RoundOver = false;
    bool RoundWonOnce = false;
    int RoundMusicCounter = 0;
    // Play has opened this round (the banner has gone): the timer and the
    // enemies may run when not paused.
    bool PlayOpened = false;
    // The options were opened from the in-game menu; the scene that menu
    // was opened from; the in-game menu closed by Restart.
    bool OptionsFromRound = false;
    TGameSceneValues RememberedScene = gsMainGame;
    bool RestartAfterMenu = false;
    int PausedPulse = 0;
    // What follows the round comment on screen once it has waved, and what
    // follows the running chapter dialog once it has closed.
    std::function<void()> CommentFinished;
    std::function<void()> DialogClosed;
    // Help and credits go back over the round they were opened from.
    bool HelpFromRound = false;
    bool CreditsFromRound = false;
    // Where the last spider landed, for the tool tip that points at it.
    TScreenPoint SpiderLanding{};
    // The window was asked to close while the cover hid the scene.
    bool CloseDeferred = false;
    // Tool tip events that came while play stood still.
    std::set<int> PendingToolTipEvents;
    // The round has opened: its level's tip, if any, comes at the first rest.
    bool LevelStartTipDue = false;
    // Ticks the guide has stood by the scroll: its pose follows them.
    int GuideTicks = 0;
    // The chapters (reveal groups) of bought upgrades not told yet.
    std::vector<int> UntoldChapters;
  };
  // --reduced-effects: the decorative effects stay away for this run,
  // whatever the player has chosen.
  void ReduceEffectsForThisRun();
  // --fullscreen or --window, and --scale: how this run shows the frame,
  // whatever the player has chosen.
  void DisplayForThisRun(std::optional<bool> fullScreen, TScaleMode scale);
  // --lang for this run, and the desktop's language, spoken until the
  // player chooses one.
  void LanguageForThisRun(std::optional<TLanguage> asked, TLanguage desktop);
  // The language the texts are read in.
  TLanguage Language() const { return FLanguage; }
  TShellState State;

  bool Timer1Running() const { return FTimer1.has_value(); }
  long long FramesTicked() const { return FFramesTicked; }
  TCursorShape Cursor() const { return FCursor; }
  // Widgets ask for their cursor while a move is dispatched.
  void RequestCursor(TCursorShape shape) { FCursor = shape; }

 private:
  // --reduced-effects: for the whole run, past every reset of the state.
  bool FReducedEffectsForRun = false;
  std::optional<bool> FFullScreenForRun;
  TScaleMode FScaleMode = TScaleMode::Auto;
  std::optional<TLanguage> FLanguageForRun;
  TLanguage FDesktopLanguage = lnEnglish;
  TLanguage FLanguage = lnEnglish;
  // The screen's scale and pictures follow the window's real size.
  void FollowOutputSize();
  // Start-up, one step each.
  void DecideEffectsMode();
  void EnterProgramFolder();
  void BuildFolderNames();
  void InstallApplicationEvents();
  void ChooseSaveFolder();
  void ResetShellState();
  void ChooseBackBuffer();
  void InitScreen();
  void CreateTileTable();
  void LoadCompanyLogos();
  void CreateComponents();
  void DecideStartFullScreen();
  void WireWindowEvents();
  int CountStartupImages() const;

  // The frame and its scene routines.
  void RunFrame();
  void RunScene(TGameSceneValues scene);
  void CompanyLogosRoutine();
  void SplashRoutine();
  void LoadMainImages();
  void DrawDeveloperFps();
  void ReportFramesPerSecond();
  void AnswerDeferredClose();
  void ReportLostFrame(const char* reason);
  void ReportOnce(const std::string& problem);

  // Text and the menu.
  void LoadTextTables();
  void CreateMenu();
  void CreateConfirmWindow();
  TGameButton& MakeButton(std::unique_ptr<TGameButton>& button, const char* imageName);
  void MeasurePictureSizes();
  void MenuRoutine();
  // Effects: made once, the scene family followed every tick, the round's
  // look set at its start, and each routine's effects drawn at their place.
  void CreateEffects();
  void FollowSceneWithEffects(TGameSceneValues scene);
  void StartRoundEffects();
  void MonsterHitStars(int x, int y);
  void DrawMenuEffects();
  void DrawMapEffects();
  void ShineOver(TShine& shine, const TGameButton& button);
  // Dust, golden spray, confetti and fireworks: a purchase's or a won round's.
  void DrawCelebration();
  void DrawDarkener();
  void ConfirmRoutine();
  void PlaceMenuButtons(TScreenPoint panel);
  void PlaceWelcomeButtons(TScreenPoint panel);
  void SlideMenuPanels(bool in);
  std::array<TGameButton*, 6> MenuButtons() const;
  void MenuMouseDown(int x, int y, TMouseButton button);
  void MenuMouseMove(int x, int y);
  void MenuMouseUp(int x, int y);
  void ExitButtonClick();
  // Asks a question in the confirm window over the current scene.
  void AskConfirm(int question, TPositiveButtonKind positive, TNegativeButtonKind negative);
  void ConfirmHidden(int question, bool answer);
  void DrawTransitionCaption(float scale, int y);
  const std::string& GameText(int id) const;

  // The round.
  void CreateRoundComponents();
  void WireRoundPlay();
  void WireRoundRules();
  void WireResultWindow();
  void WireManna();
  // The tools.
  void CreateTools();
  void WirePowerTool(TCollectorBombTool& tool);
  // Where the power tool tip points: the ready tool, if one is.
  std::optional<TScreenPoint> ReadyPowerToolEdge() const;
  void WireCountedTools();
  TCountedTool* CountedTool(TToolKind kind) const;
  // Hanging places follow the panels; the tiles under the pointer follow
  // the board.
  void PlacePowerTools(TScreenPoint leftPanel);
  void PlaceCountedTools(TScreenPoint topPanel);
  void PlaceToolsOnBoard(TPoint origin);
  void LaunchCollectedTool(TPoint tilePos, int code);
  void ResetTools();
  void EnableToolsUpTo(int threshold);
  void DisableToolsFrom(int threshold);
  void SetToolsPaused(bool paused);
  void DropCarriedTools();
  // The developer's F3: every power tool offered and the jar filled.
  void FillToolsForDeveloper();
  bool CountedToolMayTake(const TCountedTool& tool) const;
  void ToolsMouseDown(int x, int y, TMouseButton button);
  void ToolsMouseMove(int x, int y);
  void ToolsRoutine();
  // Options, display mode and the in-game menu.
  void CreateOptionsWindow();
  void PlaceOptionsWidgets(TScreenPoint at);
  std::array<TGameButton*, 6> OptionsButtons() const;
  std::array<TGameCheckBox*, 5> OptionsCheckBoxes() const;
  // The check boxes and the language choice.
  std::vector<TGameCheckBox*> OptionsChoices() const;
  // The player's choice in the options: kept for the next runs and spoken
  // from now on.
  void ChooseLanguage(TLanguage language);
  // The texts change at once, the lettered pictures and the voices with
  // the next scene.
  void SpeakLanguage(TLanguage language);
  void SoundBoxClicked();
  void MusicBoxClicked();
  void OptionsOK();
  // The window's settings into the player's record, applied.
  void TakeOptions();
  void AskDisplayModeQuestion();
  bool DisplayModeMatches() const;
  void OptionsStartHiding();
  void OptionsHidden();
  void ReturnFromOptions();
  void SaveOptions();
  void DisplayModeAnswered(bool switchMode);
  void DisplayModeQuestionHidden();
  void OptionsRoutine();
  void OptionsMouseDown(int x, int y, TMouseButton button);
  void OptionsMouseMove(int x, int y);
  void OptionsMouseUp(int x, int y);
  void CreateInGameMenu();
  std::array<TGameButton*, 5> InGameMenuButtons() const;
  void PlaceInGameMenuButton(TScreenPoint topPanel);
  static bool CanPause(TGameSceneValues scene);
  void InGameMenuHidden();
  void LeaveRoundAnswered(bool leave);
  void InGameMenuRoutine();
  void DrawPausedLabel();
  void InGameMenuMouseDown(int x, int y, TMouseButton button);
  void InGameMenuMouseMove(int x, int y);
  void InGameMenuMouseUp(int x, int y);
  // Audio: the three players, a sound by name, a music track by number,
  // the volumes (0 when switched off), silence out of focus, and the stop
  // when the game closes.
  void CreateAudio();
  void PlaySound(const std::string& sound);
  void RequestMusic(int track);
  void SetSoundVolume(int volume);
  void SetMusicVolume(int volume);
  void SilenceAudio();
  void StopAudio();
  // The enemies.
  void CreateEnemies();
  void WireSpiders();
  void WireBoss(TBossMonster& boss);
  void ResetEnemies();
  void SetUpEnemies(const TLevelRecord& level);
  void PlaceEnemies(TPoint boardOrigin);
  void SprayEnemies(const TSprayRect& rect);
  // Spiders on the board or worms in it: the aerosol stays in the hand.
  bool EnemiesLeft() const;
  // Play runs: spiders crawl and the monster tries to absorb; not while
  // paused or before play opens.
  void SetEnemiesActive(bool active);
  // A paused round hides its spiders and its monster.
  void HideEnemies(bool hidden);
  // The round is over: every spider is knocked off, the monster rests.
  void EnemiesLeaveTheBoard();
  void MonsterRoutine();
  void SpidersRoutine();
  void ResetRoundComponents();
  void SetUpLevel();
  void OpenPlay();
  void AfterWin();
  void ResultWindowHidden();
  void RoundRoutine();
  void ObjectiveInfoRoutine();
  void StageResultRoutine();
  void RoundMouseDown(int x, int y, TMouseButton button);
  void RoundMouseMove(int x, int y);
  void RoundMouseUp(int x, int y);
  void PlaceBoard(TPoint origin);
  // The developer's F2: reports enough gathered pieces to meet every target
  // and strikes the monster down.
  void CollectEverything();
  // The round's big message; finished follows once it has waved.
  void Comment(TCommentKind comment, std::function<void()> finished);
  // What the tiles of a cleared group pay into the accounts.
  void EarnClearedTiles(const TBoardData& data, const TSimpleObjectArray& mask);
  // The sound request every component's OnPlaySound is wired to.
  std::function<void(const std::string&)> SoundRequest();

  // The story, the chapter dialogs and the comments.
  void CreateStory();
  TComicStripsBase& StripsOf(TGameSceneValues scene) const;
  void EnterStory(TGameSceneValues scene);
  void LeaveStory(TGameSceneValues scene);
  void StoryRoutine();
  void StoryOver();
  void StartEndingStory();
  // The player's story is told once: the first time they come to play.
  TGameSceneValues AfterChoosingPlayer() const;
  // A new voice player with the set of lines, at the voice volume.
  void NewVoiceSet(TVoiceSet set, int number);
  // The voice player thrown away for a new, empty one at the volume.
  TVoicePlayer& ReplaceVoicePlayer(int volume);
  // The music volume the player's options ask for (0 when switched off).
  int MusicVolumeSetting() const;
  // The sound volume they ask for, which voices follow (0 when switched off).
  int SoundVolumeSetting() const;
  void CreateChapterDialog();
  void ShowChapterDialog(int chapter, std::function<void()> closed);
  void ChapterDialogEnded();
  void ChapterDialogMouseDown(int x, int y, TMouseButton button);
  void CreateComments();
  void FetchCommentSizes();
  // Tutorials and tool tips.
  void CreateTutorials();
  void ResetTutorials();
  bool TutorialApplies() const;
  void StartTutorial();
  void TutorialFinished();
  void FillMannaForTutorial(int entry);
  void SpeakTutorial(int entry);
  void StoreTutorialFlags();
  void ToolTipStarted();
  void ToolTipFinished();
  // A frozen round goes on: board, enemies and timer.
  void ThawRound();
  void ToolTipEvent(int kind);
  void RaisePendingToolTips();
  void SpiderLanded(TPoint tile);
  void ToolReadyForTheFirstTime();
  void TutorialsRoutine();
  // The OK of the scroll or of the tool tip that waits for it, if any.
  TGameButton* TutorialButtonOpen() const;
  // The same, once it takes clicks.
  TGameButton* TutorialButtonReady() const;
  // Help and credits.
  void CreateHelpAndCredits();
  void OpenHelp();
  void CloseHelp();
  void HelpRoutine();
  void OpenCredits();
  void CreditsHidden();
  void CreditsRoutine();
  void DrawWindowTitle(TScreenPoint window, const std::string& title);

  // Players, their progress and the high scores.
  void CreatePlayers();
  void CreatePlayerWindows();
  void CreateHighScoresWindow();
  TGameMenuWindow& MakeWindow(std::unique_ptr<TGameMenuWindow>& window, const char* picture, int left, int top);
  void LoadPlayerList();
  void ApplyProgress();
  TProgressRecord CaptureProgress(TProgressRecord record, bool captureObjects) const;
  void LoadCurrentPlayer();
  void OpenPlayerSelect();
  void UpdatePlayerListButtons();
  void PlayerListRoutine();
  void PlayerListMouseDown(int x, int y, TMouseButton button);
  void PlayerListMouseMove(int x, int y);
  void PlayerListMouseUp(int x, int y);
  void PlayerListClosed();
  void DeleteSelectedPlayer();
  void AddDefaultPlayerIfNone();
  void ShowNameEntry(bool initial);
  void NameEntryRoutine();
  void NameEntryConfirmed();
  // Title, prompt and the notice of a refused key or an empty name.
  void DrawNameEntryWords(TScreenPoint window);
  void NameEntryClosed();
  std::array<TGameButton*, 2> NameEntryButtons() const;
  void OpenHighScores();
  void HighScoresRoutine();
  void StartNewGame();

  // Input in frame units, routed by scene; the window's events and the
  // keyboard's presses both come through here.
  void SceneMouseDown(int x, int y, TMouseButton button);
  void SceneMouseMove(int x, int y);
  void SceneMouseUp(int x, int y);
  // A click at a point of the frame, as the mouse makes it.
  void PressAt(int x, int y);
  // The keyboard's focus: the current scene's controls handed to the ring.
  void AddFocusTarget(std::vector<TFocusTarget>& targets, const TGameButton& button);
  void AddFocusTarget(std::vector<TFocusTarget>& targets, const TGameCheckBox& box);
  void AddOptionsTargets(std::vector<TFocusTarget>& targets);
  void AddPlayerListTargets(std::vector<TFocusTarget>& targets);
  void FollowFocus();
  bool FocusKeyDown(int& key, TShiftState shift);
  // Escape as the Back, No, Cancel or Done of the window on show.
  void EscapeBack();
  void ShowKeyboardMarks(bool shown);
  void DrawKeyboardMarks();
  // The board cursor: on the round's tiles, pressed as a click at its middle.
  bool BoardTileUsable(TPoint tile) const;
  void SettleBoardCursor();
  TPoint BoardCursorMiddle() const;
  void PressBoardCursor();
  void PickToolByKey(int hitLeft, int hitTop, int hitWidth, int hitHeight);
  bool BoardKeyDown(int& key);
  // A pad's own keys as the keyboard's: B is Backspace while something is
  // in the hand on the board and Escape elsewhere; the shoulders step
  // through the six power tools, X through the magic key, broom and aerosol.
  int PadKeyMeaning(int key);
  int FPadPowerTool = -1;  // none stepped to yet
  int FPadHandTool = -1;

  // The upgrade scene and the map.
  void CreateShop();
  void LoadSlotPrices();
  void CreateMap();
  void EnterStickerBook();
  void ExplainTheWorkshop();
  void StickerBookBackdrop();
  void StickerBookRoutine();
  void DrawPocket(int x, int y);
  void DrawBookProgressLabel();
  void DrawElementsPlank(int top);
  void DrawIslandAndLevel();
  int GuidePose();
  void ShopMouseDown(int x, int y, TMouseButton button);
  void ShopMouseMove(int x, int y);
  void ShopMouseUp(int x, int y);
  void UpgradeBought(int island, const TAccounts& prices, int slot);
  void CheerPeak();
  void OpenIslandAfter(int island);
  void SettlePurchases();
  void TellUntoldChapter();
  void ChapterClosed();
  // The zeppelin, the "all complete" comment and the full tube, saved.
  void CompleteTheBook();
  void BookPlayClick();
  void LeaveShopForMenu();
  void OpenMapForPlay();
  void EnterMap();
  void MapRoutine();
  void MapPlayClick();
  std::array<TGameButton*, 2> MapButtons() const;

  // Scenes.
  void GameSceneChanged(TGameSceneValues oldScene, TGameSceneValues newScene);
  void LeaveScene(TGameSceneValues oldScene, TGameSceneValues newScene);
  void EnterScene(TGameSceneValues oldScene, TGameSceneValues newScene);
  void EnterMenu(TGameSceneValues oldScene);
  void TransitionStartToSwitch(TGameSceneValues from, TGameSceneValues to);
  void TransitionSceneSwitch(TGameSceneValues to);
  void FreeSplashImages();
  void SplashClick();

  // Switches the display mode without recording it in the player's options.
  void SwitchFullScreen(bool fullScreen);
  bool AskingDisplayModeQuestion() const { return false; }
  bool InCompanyLogos() const { return GameScene && GameScene->Value() == gsCompanyLogos; }

  TPlatform& FPlatform;
  std::optional<int> FTimer1;
  long long FFramesTicked = 0;
  bool FShowFps = false;
  std::uint32_t FLastFpsReport = 0;
  TCursorShape FCursor = TCursorShape::crDefault;
  std::set<std::string> FReportedFailures;
};

}  // namespace qm
