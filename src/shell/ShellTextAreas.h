#pragma once

// How much room the shell gives its own words where it draws them. The
// drawing code lays them out with these numbers, and the text tables of
// every language are held to them.

namespace qm::ShellText {

// The high-score and credits windows' titles, centred in a band under the
// window's top edge.
inline constexpr int WindowTitleLeft = 45;
inline constexpr int WindowTitleWidth = 342;
inline constexpr float WindowTitleScale = 0.78f;

// The menu's welcome line with the player's name: cut at the panel's edge.
inline constexpr int WelcomeWidth = 400;
inline constexpr float WelcomeScale = 0.85f;

// The name entry's title, prompt and notices, centred inside the window's
// frame.
inline constexpr int NameEntryTextLeft = 30;
inline constexpr int NameEntryTextWidth = 406;
inline constexpr float NameEntryTitleScale = 0.78f;
inline constexpr float NameEntrySmallScale = 0.5f;

// The options window's row names: the sound and music rows end before their
// volume buttons, the others before the window's frame.
inline constexpr int OptionsVolumeLabelWidth = 120;
inline constexpr int OptionsLabelWidth = 330;
inline constexpr float OptionsLabelScale = 0.62f;

// The label over the book's progress tube sits on a dark strip that reaches
// a margin past each end of it and stays within the tube.
inline constexpr int BookTubeWidth = 300;
inline constexpr int BookLabelMargin = 10;
inline constexpr float BookLabelScale = 0.55f;

// The word before the island and level numbers in the round's top bar: with
// the numbers after it, it ends before an objectives panel of three.
inline constexpr int LevelLabelWidth = 80;
inline constexpr float LevelLabelScale = 0.5f;

}  // namespace qm::ShellText
