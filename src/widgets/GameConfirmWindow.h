#pragma once

#include <array>
#include <functional>
#include <string>

#include "platform/Window.h"
#include "widgets/GameButton.h"
#include "widgets/GameMenuWindow.h"

namespace qm {

class TOmegaImageList;
class TGlobalGameText;
class TTextStrings;

enum TPositiveButtonKind { pbYes, pbOK };
enum TNegativeButtonKind { nbNo, nbCancel };

// A yes/no (or OK/cancel) question that slides down from above the screen:
// a title and up to three wrapped description lines from "GameConfirms.txt"
// over two buttons. The answer arrives with OnHidingComplete once the window
// has slid out again.
class TGameConfirmWindow {
 public:
  using TNotify = std::function<void(TGameConfirmWindow& sender)>;

  // The title stands on one line, centred over this width. The description
  // is wrapped to DescWidth and shows its first DescLines lines, all at the
  // x that centres the first one in the description area.
  static constexpr int TitleWidth = 350;
  static constexpr float TitleScale = 0.78f;
  static constexpr int DescAreaWidth = 370;
  static constexpr int DescWidth = 360;
  static constexpr float DescScale = 0.55f;
  static constexpr int DescLines = 3;
  static constexpr int TextSpacing = -1;

  TOmegaImageList* OmgImgList = nullptr;
  TGlobalGameText* GlobGameText = nullptr;
  const TTextStrings* TextStringsComp = nullptr;
  // Shown position of the window.
  int Left = 0;
  int Top = 0;
  int DescsGap = 23;
  int MaxDescTextWidth = DescWidth;
  TPositiveButtonKind PositiveButtonKind = pbYes;
  TNegativeButtonKind NegativeButtonKind = nbNo;

  TNotify OnStartShowing;
  TNotify OnStartHiding;
  // answer: true for the positive button.
  std::function<void(TGameConfirmWindow& sender, bool answer)> OnHidingComplete;
  TNotify OnPositiveButtonClick;
  TNotify OnNegativeButtonClick;
  // Passed on from the two buttons.
  std::function<void(const std::string& name)> OnPlaySound;
  std::function<void(TCursorShape shape)> OnCursorRequest;

  TGameConfirmWindow() = default;
  TGameConfirmWindow(const TGameConfirmWindow&) = delete;
  TGameConfirmWindow& operator=(const TGameConfirmWindow&) = delete;

  // Sets up the window and the buttons from the properties above.
  void Build();
  // Once the button pictures are loaded.
  void FetchButtonSizes();

  // Shows question kind (see the confirm texts) with the given buttons.
  void Ask(int kind, TPositiveButtonKind positive, TNegativeButtonKind negative);

  void MouseDown(int x, int y, TMouseButton button);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  // Once per frame: slides the window, then draws it with its texts and
  // buttons.
  void Draw();

  int QuestionKind() const { return FQuestionKind; }
  bool Answer() const { return FAnswer; }
  const std::string& Title() const { return FTitle; }
  // Description line 1..3.
  const std::string& DescLine(int line) const { return FDescLines[line - 1]; }
  const TGameMenuWindow& Window() const { return FWindow; }
  const TGameButton& PositiveButton() const { return FPositiveButton; }
  const TGameButton& NegativeButton() const { return FNegativeButton; }

 private:
  void ApplyButtonPictures();
  void WindowMoved(TScreenPoint position);
  void PositiveClick();
  void NegativeClick();
  void DrawTexts(TScreenPoint window);

  TGameMenuWindow FWindow;
  TGameButton FPositiveButton;
  TGameButton FNegativeButton;
  int FQuestionKind = 0;
  std::string FTitle;
  std::array<std::string, DescLines> FDescLines;
  bool FAnswer = false;
};

}  // namespace qm
