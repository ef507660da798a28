#include "widgets/VolumeBar.h"

#include <gtest/gtest.h>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSpriteRecorder;

TEST(VolumeBar, PositionIsClampedToZeroToHundred) {
  TVolumeBar bar;
  bar.SetPosition(150);
  EXPECT_EQ(bar.Position(), 100);
  EXPECT_EQ(bar.TargetWidth(), 123);
  bar.SetPosition(-5);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.TargetWidth(), 0);
}

TEST(VolumeBar, TargetWidthRoundsHalvesToEven) {
  TVolumeBar bar;
  bar.SetPosition(50);
  EXPECT_EQ(bar.TargetWidth(), 62) << "61.5";
  bar.FillWidth = 125;
  bar.SetPosition(50);
  EXPECT_EQ(bar.TargetWidth(), 62) << "62.5";
}

TEST(VolumeBar, TheFillSlidesTwoPixelsPerFrame) {
  TVolumeBar bar;
  bar.SetPosition(50);
  int frames = 0;
  while (bar.ShownWidth() != bar.TargetWidth() && frames < 100) {
    bar.Draw();
    ++frames;
  }
  EXPECT_EQ(frames, 31);
  bar.SetPosition(49);  // 60.27 -> 60
  bar.Draw();
  EXPECT_EQ(bar.ShownWidth(), 60);
}

TEST(VolumeBar, SetPositionNowJumpsTheFill) {
  TVolumeBar bar;
  bar.SetPositionNow(100);
  EXPECT_EQ(bar.ShownWidth(), 123);
}

TEST(VolumeBar, SizesComeFromTheFillPicture) {
  TSpriteRecorder screen;
  screen.AddPicture("VolumeFill", 100, 20);
  TVolumeBar bar;
  bar.OmgImgList = &screen.List;
  bar.SetPosition(50);
  bar.FetchSize();
  EXPECT_EQ(bar.FillWidth, 100);
  EXPECT_EQ(bar.FillHeight, 10);
  EXPECT_EQ(bar.TargetWidth(), 50);
}

TEST(VolumeBar, DrawsTheEnabledOrDisabledFillUnderTheGlass) {
  TSpriteRecorder screen;
  screen.AddPicture("VolumeFill", 123, 22);
  screen.AddPicture("VolumeGlass", 125, 22);
  TVolumeBar bar;
  bar.OmgImgList = &screen.List;
  bar.Left = 500;
  bar.Top = 300;
  bar.SetPositionNow(50);
  bar.Draw();
  auto sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  // The lower half of the fill picture, 62 pixels of it, at the bar.
  EXPECT_EQ(sprites[0].Image, "VolumeFill");
  EXPECT_FLOAT_EQ(sprites[0].TexLeft, 0);
  EXPECT_FLOAT_EQ(sprites[0].TexTop, 11);
  EXPECT_FLOAT_EQ(sprites[0].TexRight, 62);
  EXPECT_FLOAT_EQ(sprites[0].TexBottom, 22);
  EXPECT_FLOAT_EQ(sprites[0].QuadLeft, 499.5f);
  EXPECT_FLOAT_EQ(sprites[0].QuadTop, 299.5f);
  EXPECT_FLOAT_EQ(sprites[0].QuadRight, 562);
  EXPECT_FLOAT_EQ(sprites[0].QuadBottom, 311);
  EXPECT_EQ(sprites[1].Image, "VolumeGlass");
  EXPECT_FLOAT_EQ(sprites[1].Left, 499);
  EXPECT_FLOAT_EQ(sprites[1].Top, 300);

  screen.Forget();
  bar.Enabled = false;
  bar.Draw();
  sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_FLOAT_EQ(sprites[0].TexTop, 0);
  EXPECT_FLOAT_EQ(sprites[0].TexBottom, 11);
}

}  // namespace
}  // namespace qm
