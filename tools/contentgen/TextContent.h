#pragma once

// The English wording of the default content pack, one entry per line of
// code. Texts.cpp checks every entry against its table and writes the files.

#include <string_view>
#include <vector>

namespace contentgen {

struct TTextEntry {
  int Line;  // 1-based line of its file
  std::string_view Text;
};

std::vector<TTextEntry> GameTexts();
std::vector<TTextEntry> ConfirmTexts();
std::vector<TTextEntry> CommentTexts();
std::vector<TTextEntry> NarrationTexts();
std::vector<std::string_view> CreditLines();  // every line of the file, in order

struct TTutorialText {
  std::string_view Title;
  std::string_view Body;
};
std::vector<TTutorialText> TutorialTexts();  // entries 1..14

struct TToolTipText {
  int ToolTip;  // tool-tip entry 1..27
  std::string_view Text;
};
std::vector<TToolTipText> ToolTipTexts();

struct TUpgradeText {
  int Island, Slot;
  std::string_view Name;
  std::string_view Desc;
};
std::vector<TUpgradeText> UpgradeTexts();

struct TChatLine {
  char Speaker;  // 'J' for Bram, or a client's code
  std::string_view Text;
};
struct TConversation {
  std::string_view Heading;
  std::vector<TChatLine> Lines;
};
std::vector<TConversation> Conversations();  // conversations 1..22

}  // namespace contentgen
