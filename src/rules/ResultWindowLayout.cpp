#include "rules/ResultWindowLayout.h"

#include "widgets/GameButton.h"

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"
#include "rules/ResultMedal.h"
#include "rules/ResultStats.h"
#include "widgets/GameMenuWindow.h"

namespace qm {

void SetupResultWindow(TGameMenuWindow& window) {
  window.WindowImg = ResultWindow::Image;
  window.Left = ResultWindow::Position.X;
  window.Top = ResultWindow::Position.Y;
  window.HidingYPos = ResultWindow::HiddenTop;
  window.ShowDir = sdToDown;
  window.MoveStep = ResultWindow::MoveStep;
  window.ShownTimerEnabled = true;
  window.ShownTimeToTriggerEvent = ResultWindow::ShownTime;
}

void TResultFeatureShine::TickAndDraw() {
  if (!Visible) return;
  AngleStep(FAngle, TurnStep);
  if (!OmgImgList) return;
  DrawImageEx(*OmgImgList, "FeatureShine", float(Left), float(Top), FAngle, 0.5f, 0.5f, Scale, Scale, 255, 255, 255,
              Alpha, 0, 2);
}

void PlaceResultContents(TScreenPoint window, TResultMedal& medal, TResultStats& stats, TResultFeatureShine& shine) {
  medal.Left = window.X + ResultWindow::TrophyOffset.X;
  medal.Top = window.Y + ResultWindow::TrophyOffset.Y;
  stats.Left = window.X + ResultWindow::StatsOffset.X;
  stats.Top = window.Y + ResultWindow::StatsOffset.Y;
  shine.Left = window.X + ResultWindow::ShineOffset.X;
  shine.Top = window.Y + ResultWindow::ShineOffset.Y;
}

void WireResultWindow(TGameMenuWindow& window, TResultMedal& medal, TResultStats& stats, TResultFeatureShine& shine,
                      TGameButton& ok) {
  ok.OnClick = [&window](TGameButton&) { window.Hide(); };
  window.OnPosUpdate = [&medal, &stats, &shine, &ok](TGameMenuWindow&, TScreenPoint position) {
    PlaceResultContents(position, medal, stats, shine);
    ok.Left = position.X + ResultWindow::OKButtonOffset.X;
    ok.Top = position.Y + ResultWindow::OKButtonOffset.Y;
  };
  window.OnShowingComplete = [&medal, &stats](TGameMenuWindow&) {
    medal.Present();
    stats.StartCounting();
  };
  window.OnShownTimerReached = [](TGameMenuWindow& sender) { sender.Hide(); };
}

}  // namespace qm
