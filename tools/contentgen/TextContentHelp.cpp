// Teaching texts (tutorial scrolls and tool tips) and the upgrade shop's
// names and descriptions.
#include "TextContent.h"

namespace contentgen {

// Entry n is shown where the scroll's trigger table says: 1 island 1 level 1,
// 2..5 the first level of islands 2..5, 6 the first visit to the town, 7 any
// guardian level, 8 island 2 level 11, 9..13 the power tools as island 1
// unlocks them, 14 the big bomb on island 2 level 2.
std::vector<TTutorialText> TutorialTexts() {
  return {
      {"Match three", "Swap two neighbouring pieces to line up three of a kind. Crates swap only with crates. Collect what the top panel shows: the faster, the better your medal."},
      {"Crawling spiders", "Spiders drop onto the board and crawl about. Left alone, they spin webs over the pieces. Clear the piece under a spider to knock it off the board."},
      {"Golden tiles", "Some tiles glitter with gold. Make matches on top of them to lift the gold. A tile with a thick golden frame needs more than one match."},
      {"Potions", "Potion bottles cannot be matched. Clear the pieces underneath so that they sink. A potion that reaches the bottom is collected."},
      {"Cloudspire", "The last island asks for everything you have learned. Watch out for spiders, gold and potions, and keep your tools for the hardest spots."},
      {"The town workshop", "Spend your harvest here: each upgrade rebuilds part of the town, and all four open the next island. Press Play for the next level."},
      {"A guardian!", "Fruit you clear flies up and hits the guardian. Calm it before the timer tube runs dry, and watch out: now and then it drains some of your time."},
      {"Broom, key and spray", "The broom sweeps away a web, the magic key opens a locked tile and the spray chases spiders off. Collect more when they show up."},
      {"The hammer", "Every match fills your manna jar. When it is full enough, the hammer is ready: pick it up and click a piece to smash it."},
      {"The bomb", "The bomb is ready! Drop it on a piece to blow up a square of four: that piece and its neighbours to the right and below."},
      {"Horizontal lightning", "Drop the lightning on a piece to clear its whole row in one flash."},
      {"Vertical lightning", "This lightning strikes downwards. Drop it on a piece to clear its whole column."},
      {"The blaster", "The blaster clears every piece of one kind. Drop it on a fruit and all fruit of that kind vanish at once."},
      {"The big bomb", "Your manna jar is brimming: the big bomb is ready. It clears a huge round area around the piece you drop it on."},
  };
}

std::vector<TToolTipText> ToolTipTexts() {
  return {
      {3, "This is what the level asks for. Every match brings the counters down."},
      {6, "A power tool is ready! Pick it up and drop it on the board."},
      {13, "Chains hold some pieces in place. Match a chained piece to break its links."},
      {22, "A spider! Clear the piece under it to knock it off."},
      {25, "Spend your harvest here to rebuild the town."},
  };
}

// Slot s of island i reveals town object "Upg<i>-<s>" (two objects for 3-3
// and 5-4); only the goldsmith and the laboratory change the rules.
std::vector<TUpgradeText> UpgradeTexts() {
  return {
      {1, 1, "Harbour Pier", "Mend the broken pier so that boats can bring wood and tools to town again."},
      {1, 2, "Fisher's Hut", "Put a new roof on Clementine's little hut by the water."},
      {1, 3, "Lighthouse", "Light the great lamp again so that ships find Blossom Bay at night."},
      {1, 4, "Market Square", "Stalls, awnings and a fountain: the heart of Blossom Bay. Opens the way to Whisperwood."},
      {2, 1, "Sawmill", "Get the old sawmill humming so the town has beams and planks."},
      {2, 2, "River Bridge", "A stone bridge that joins the two halves of the town again."},
      {2, 3, "Flower Garden", "Plant the river beds with roses and bring back the bees."},
      {2, 4, "Town Hall", "A proud town hall for the harvest feast. Opens the way to Goldcliff."},
      {3, 1, "Windmill", "Turn the sails again and grind flour for the whole island."},
      {3, 2, "Goldsmith", "Pim's smithy makes gold leaf: golden tiles are worth more from now on."},
      {3, 3, "Clock Tower", "A tower with two bright faces, so Goldcliff knows the time again."},
      {3, 4, "Cliff Castle", "Raise the castle and its flags high on the cliff. Opens the way to Mistmere."},
      {4, 1, "Potion Shop", "Rosalind's shop of fizzing bottles opens its doors again."},
      {4, 2, "Laboratory", "Rosalind brews strong potions again: they appear on the board from now on."},
      {4, 3, "Greenhouse", "Warm glass for Rosalind's herbs and the island's seedlings."},
      {4, 4, "Observatory", "A great dome to watch the sky for storms. Opens the way to Cloudspire."},
      {5, 1, "Sky Garden", "A garden in the clouds to feed everyone who works on the peak."},
      {5, 2, "Cable Car", "Carries people and tools from the bay up to the peak."},
      {5, 3, "Weather Vane", "Shows the wind, so that the zeppelin can steer by it."},
      {5, 4, "Mooring Tower", "A tall tower where the zeppelin can land safely. Completes Quillmere!"},
  };
}

}  // namespace contentgen
