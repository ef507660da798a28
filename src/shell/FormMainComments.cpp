// The big animated messages: the round's ("Go", the win, time up, no more
// moves, hurry), the mission names on the map and the upgrade scene's
// chapter notices.
#include <utility>

#include "shell/FormMain.h"

namespace qm {

void TFormMain::CreateComments() {
  auto make = [this](std::unique_ptr<TGameComment>& comment, const TGameCommentSetup& setup) {
    comment = std::make_unique<TGameComment>();
    comment->OmgImgList = OmegaImageList1.get();
    comment->TextStringsComp = TextStrings.get();
    comment->OnPlaySound = SoundRequest();
    comment->Configure(setup);
  };
  make(RoundComment, RoundMessageSetup);
  make(MapComment, MissionNameSetup);
  make(StickerBookComment, UpgradeNoticeSetup);
  RoundComment->OnWavingFinished = [this](TGameComment&, std::uint8_t) {
    if (auto finished = std::exchange(State.CommentFinished, {})) finished();
  };
}

void TFormMain::FetchCommentSizes() {
  for (TGameComment* comment : {RoundComment.get(), MapComment.get(), StickerBookComment.get()})
    comment->FetchLetterSize();
}

void TFormMain::Comment(TCommentKind comment, std::function<void()> finished) {
  // What waited on a comment that is replaced before it has waved out
  // happens now: the round never waits on words it will not see.
  std::function<void()> replaced = std::exchange(State.CommentFinished, std::move(finished));
  RoundComment->ShowComment(comment);
  if (replaced) replaced();
  // A comment without words (an empty line in the texts) does not wave.
  if (RoundComment->State() == gcIdle)
    if (auto now = std::exchange(State.CommentFinished, {})) now();
}

}  // namespace qm
