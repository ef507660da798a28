#include "widgets/GameConfirmWindow.h"

#include "text/GameTextIds.h"
#include "text/GlobalGameText.h"
#include "text/TextStrings.h"

namespace qm {

namespace {

constexpr int kHiddenTop = -190;
constexpr int kMoveStep = 85;

// Offsets from the window's top-left corner.
constexpr TScreenPoint kTitleArea{40, 27};
constexpr TScreenPoint kDescArea{26, 92};
constexpr TScreenPoint kPositiveButton{67, 136};
constexpr TScreenPoint kNegativeButton{228, 136};

}  // namespace

void TGameConfirmWindow::Build() {
  FWindow.OmgImgList = OmgImgList;
  FWindow.WindowImg = "ConfirmWindow";
  FWindow.Left = Left;
  FWindow.Top = Top;
  FWindow.HidingYPos = kHiddenTop;
  FWindow.ShowDir = sdToDown;
  FWindow.MoveStep = kMoveStep;
  FWindow.OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint position) { WindowMoved(position); };
  FWindow.OnStartShowing = [this](TGameMenuWindow&) {
    if (OnStartShowing) OnStartShowing(*this);
  };
  FWindow.OnStartHiding = [this](TGameMenuWindow&) {
    if (OnStartHiding) OnStartHiding(*this);
  };
  FWindow.OnHidingComplete = [this](TGameMenuWindow&) {
    if (OnHidingComplete) OnHidingComplete(*this, FAnswer);
  };

  for (TGameButton* button : {&FPositiveButton, &FNegativeButton}) {
    button->OmgImgList = OmgImgList;
    button->Left = OffScreenPoint.X;
    button->Top = OffScreenPoint.Y;
    button->OnPlaySound = [this](const std::string& name) {
      if (OnPlaySound) OnPlaySound(name);
    };
    button->OnCursorRequest = [this](TCursorShape shape) {
      if (OnCursorRequest) OnCursorRequest(shape);
    };
  }
  FPositiveButton.OnClick = [this](TGameButton&) { PositiveClick(); };
  FNegativeButton.OnClick = [this](TGameButton&) { NegativeClick(); };
  ApplyButtonPictures();
}

void TGameConfirmWindow::ApplyButtonPictures() {
  FPositiveButton.ImageName = PositiveButtonKind == pbOK ? "WindowOKButton" : "WindowYesButton";
  FNegativeButton.ImageName = NegativeButtonKind == nbCancel ? "WindowCancelButton" : "WindowNoButton";
}

void TGameConfirmWindow::FetchButtonSizes() {
  FPositiveButton.FetchSize();
  FNegativeButton.FetchSize();
}

void TGameConfirmWindow::Ask(int kind, TPositiveButtonKind positive, TNegativeButtonKind negative) {
  FQuestionKind = kind;
  PositiveButtonKind = positive;
  NegativeButtonKind = negative;
  ApplyButtonPictures();
  FTitle.clear();
  for (std::string& line : FDescLines) line.clear();
  if (TextStringsComp) {
    FTitle = TextStringsComp->Text(ttGameConfirms, ConfirmTextId::TitleOfKind(kind));
    const std::string& desc = TextStringsComp->Text(ttGameConfirms, ConfirmTextId::DescOfKind(kind));
    const auto lines = WrapLines(fkAirstripNormal, desc, TextSpacing, MaxDescTextWidth, DescScale);
    for (std::size_t i = 0; i < FDescLines.size(); ++i) FDescLines[i] = lines[i];
  }
  FAnswer = false;
  FWindow.Show();
}

void TGameConfirmWindow::WindowMoved(TScreenPoint position) {
  FPositiveButton.Left = position.X + kPositiveButton.X;
  FPositiveButton.Top = position.Y + kPositiveButton.Y;
  FNegativeButton.Left = position.X + kNegativeButton.X;
  FNegativeButton.Top = position.Y + kNegativeButton.Y;
}

void TGameConfirmWindow::PositiveClick() {
  FAnswer = true;
  if (OnPositiveButtonClick) OnPositiveButtonClick(*this);
  FWindow.Hide();
}

void TGameConfirmWindow::NegativeClick() {
  FAnswer = false;
  if (OnNegativeButtonClick) OnNegativeButtonClick(*this);
  FWindow.Hide();
}

void TGameConfirmWindow::MouseDown(int x, int y, TMouseButton button) {
  FPositiveButton.MouseDown(x, y, button);
  FNegativeButton.MouseDown(x, y, button);
}

void TGameConfirmWindow::MouseMove(int x, int y) {
  FPositiveButton.MouseMove(x, y);
  FNegativeButton.MouseMove(x, y);
}

void TGameConfirmWindow::MouseUp(int x, int y) {
  FPositiveButton.MouseUp(x, y);
  FNegativeButton.MouseUp(x, y);
}

void TGameConfirmWindow::Draw() {
  FWindow.Update();
  FWindow.Draw();
  DrawTexts(FWindow.Position());
  FPositiveButton.Draw();
  FNegativeButton.Draw();
}

void TGameConfirmWindow::DrawTexts(TScreenPoint window) {
  if (!GlobGameText) return;
  const TGlobalGameText& text = *GlobGameText;
  const int titleWidth = text.TextWidth(FTitle, TextSpacing, TitleScale);
  text.DrawText(window.X + kTitleArea.X + (TitleWidth - titleWidth) / 2, window.Y + kTitleArea.Y, FTitle,
                TitleScale, TextSpacing, 255, 0, TextColor::White);

  // The lines share the x that centres line 1 and sit around the middle of
  // the description area.
  const int firstWidth = text.TextWidth(FDescLines[0], TextSpacing, DescScale);
  const int x = window.X + kDescArea.X + (DescAreaWidth - firstWidth) / 2;
  int y = window.Y + kDescArea.Y;
  if (!FDescLines[1].empty()) y -= DescsGap / 2;
  if (!FDescLines[2].empty()) y -= DescsGap / 2;
  for (int i = 0; i < DescLines; ++i)
    text.DrawText(x, y + i * DescsGap, FDescLines[i], DescScale, TextSpacing, 255, 0, TextColor::White);
}

}  // namespace qm
