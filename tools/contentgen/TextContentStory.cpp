// The story: narrations of the opening and the ending, and the 22
// conversations between Bram and the people of the five islands.
#include "TextContent.h"
#include "text/GameTextIds.h"

namespace contentgen {

std::vector<TTextEntry> NarrationTexts() {
  using qm::NarrationId::Ending;
  using qm::NarrationId::Opening;
  return {
      {Opening(1), "Far out in the warm sea lie the five isles of Quillmere, where the orchards never sleep and the little town by the harbour smells of fresh jam."},
      {Opening(2), "One night the Great Gale came howling over the waves. By morning the roofs were gone, the bridges were broken, and the town's old zeppelin had drifted away into the clouds."},
      {Opening(3), "The gale woke the guardians of the five islands, too. Cross and confused, they now chase every visitor out of their orchards."},
      {Opening(4), "Bram the gardener looked at the broken town and rolled up his sleeves. Fruit, flowers and potions would pay for every plank and every nail."},
      {Opening(5), "With Wren, a small bird with a big voice, perched on his hat, Bram set off for Blossom Bay. The rebuilding of Quillmere had begun."},
      {Ending(1), "Island by island the town rose again, brighter than before. The guardians, calm at last, came down to the harbour to watch the lanterns."},
      {Ending(2), "And high above the bay the old zeppelin sailed home, its basket full of fruit, while Bram and Wren planned a garden for every roof. The end."},
  };
}

// Speakers: J Bram; C Clementine, harbour master of Blossom Bay; A Ada, the
// woodcutter of Whisperwood; P Pim, goldsmith of Goldcliff; R Rosalind, the
// potion brewer of Mistmere; B Barnaby, skipper of the zeppelin; H Hazel, the
// mayor of Quillmere.
std::vector<TConversation> Conversations() {
  return {
      {"#1 Hazel: the morning after the gale", {
          {'H', "Bram! Thank goodness. The gale has left the whole town in pieces."},
          {'J', "Then we will put it back together, one piece at a time."},
          {'H', "Wren will show you the way. Start at Blossom Bay!"},
      }},
      {"#2 Blossom Bay: the pier", {
          {'C', "The pier stands again! Now the boats can land."},
          {'J', "Wren found the last planks under a pile of plums."},
          {'C', "Ha! Then my pier smells of plums. I have smelled worse."},
          {'J', "What should we fix next?"},
          {'C', "My little hut by the water, if you please. The roof blew clean off."},
      }},
      {"#3 Blossom Bay: the hut", {
          {'C', "A roof over my head again! I can hear the rain and stay dry."},
          {'J', "Did the gale take anything else?"},
          {'C', "The lighthouse lamp. Without it, ships sail right past us at night."},
          {'J', "Then the lamp is next. Wren, how many oranges buy a lamp?"},
      }},
      {"#4 Blossom Bay: the lighthouse", {
          {'C', "Look at it shine! The first ship in weeks is already turning in."},
          {'J', "Does it bring traders?"},
          {'C', "Traders, cooks and a very loud brass band. They will want a market."},
          {'J', "A market square it is. Then Blossom Bay is whole again."},
          {'C', "And you two can sail on to Whisperwood."},
      }},
      {"#5 Blossom Bay: the market", {
          {'C', "The market is open! Everyone is selling jam, mostly to each other."},
          {'J', "Blossom Bay is rebuilt. On to Whisperwood, Wren!"},
          {'C', "Mind the guardian there. It has howled all night since the gale."},
          {'J', "We will bring it something sweeter than howling."},
      }},
      {"#6 Whisperwood: the sawmill", {
          {'A', "You must be Bram. I am Ada. Welcome to Whisperwood!"},
          {'J', "Your sawmill hums like a beehive."},
          {'A', "Thanks to you! Now we can cut beams for the whole town."},
          {'J', "The old bridge needs them most. Half the town cannot reach the other half."},
      }},
      {"#7 Whisperwood: the bridge", {
          {'A', "The bridge is back! My aunt crossed it twice just to be sure."},
          {'J', "Wren says the flower beds by the river are all mud now."},
          {'A', "Plant them again and the bees will come back. Our bees make the best honey."},
          {'J', "Honey for the market. Clementine will be delighted."},
          {'A', "She will sell it back to me, of course."},
      }},
      {"#8 Whisperwood: the flower garden", {
          {'A', "Look at those colours! The whole forest smells of roses."},
          {'J', "One thing is still missing here: the town hall."},
          {'A', "Without it, nobody knows where to hold the harvest feast."},
          {'J', "Then let us give them a place to argue about the menu."},
      }},
      {"#9 Whisperwood: the town hall", {
          {'A', "The town hall stands! The feast is on Saturday, and you are invited."},
          {'J', "We will come, but first we must go to Goldcliff."},
          {'A', "Pim lives up there. He talks to his hammer, but he means well."},
          {'J', "Wren talks to herself all day. They will get along."},
          {'A', "Safe travels, both of you!"},
      }},
      {"#10 Goldcliff: the windmill", {
          {'P', "Ho there! Pim, goldsmith of Goldcliff. And that is your windmill turning."},
          {'J', "Does it grind flour for the whole island again?"},
          {'P', "Bread for everyone! But my smithy is still a heap of bricks."},
          {'J', "Then the smithy comes next."},
      }},
      {"#11 Goldcliff: the smithy", {
          {'P', "My smithy! Listen to that anvil sing."},
          {'J', "What will you make first?"},
          {'P', "Gold leaf for the golden tiles. From now on they will pay you more."},
          {'J', "Wren, did you hear that? Richer harvests!"},
          {'P', "Now the clock tower. Nobody up here knows what time it is."},
      }},
      {"#12 Goldcliff: the clock tower", {
          {'P', "Tick, tock! Goldcliff is on time again."},
          {'J', "Just in time to rebuild the castle on the cliff, I hope."},
          {'P', "The old castle was the first thing the gale blew down."},
          {'J', "Then it will be the last thing we build on Goldcliff."},
      }},
      {"#13 Goldcliff: the castle", {
          {'P', "The castle flags fly again! You can see them from every island."},
          {'J', "Then the people of Mistmere will see that we are coming."},
          {'P', "Ask for Rosalind there. She brews potions that fizz."},
          {'J', "Fizzing potions. Wren is already hiding in my hat."},
          {'P', "Ha! Good luck, Bram."},
      }},
      {"#14 Mistmere: the potion shop", {
          {'R', "So you are the famous gardener. I am Rosalind. Welcome to my potion shop!"},
          {'J', "It smells of mint and thunder."},
          {'R', "That is the thunder tonic. Do not drink it."},
          {'J', "What else does Mistmere need?"},
      }},
      {"#15 Mistmere: the laboratory", {
          {'R', "My laboratory! Now I can brew the strong potions again."},
          {'J', "Strong potions?"},
          {'R', "Bottles worth far more than the old ones. You will find them on the board from now on."},
          {'J', "Wren, we are going to be rich in bubbles."},
          {'R', "Next, the greenhouse, please. My herbs are shivering."},
      }},
      {"#16 Mistmere: the greenhouse", {
          {'R', "Warm glass and happy herbs. Thank you, Bram."},
          {'J', "What is that big dome on the hill?"},
          {'R', "The observatory. From there we used to watch the sky for storms."},
          {'J', "Then it is high time we watched again."},
      }},
      {"#17 Mistmere: the observatory", {
          {'R', "The telescope works! And look: something is circling Cloudspire."},
          {'J', "Is that... the town's zeppelin?"},
          {'R', "The gale must have carried it there. Go and bring it home!"},
          {'J', "Wren, pack the sandwiches. We are going to Cloudspire."},
          {'R', "Take a potion for the climb. The blue one. Not the thunder one."},
      }},
      {"#18 Cloudspire: the sky garden", {
          {'B', "Ahoy! Barnaby, skipper of the old zeppelin. Or I was, before the gale."},
          {'J', "We saw your zeppelin from Mistmere!"},
          {'B', "Aye, stuck on the peak. This garden will feed us while we free her."},
          {'J', "A garden in the clouds. Wren loves it already."},
      }},
      {"#19 Cloudspire: the cable car", {
          {'B', "The cable car runs! Now the folk from below can visit."},
          {'J', "And bring tools to mend your zeppelin."},
          {'B', "Aye. But she needs the wind to steer by, and our weather vane is gone."},
          {'J', "A new weather vane it is."},
          {'B', "You are a good sort, gardener."},
      }},
      {"#20 Cloudspire: the weather vane", {
          {'B', "North wind, steady! Perfect weather for flying."},
          {'J', "Then only the mooring tower is left."},
          {'B', "Build it and she can land safely in the bay."},
          {'J', "Wren, one more upgrade and Quillmere is whole!"},
      }},
      {"#21 Cloudspire: the mooring tower", {
          {'B', "The tower is ready! Let us cut her loose and sail her home."},
          {'J', "The whole town is waiting at the harbour."},
          {'B', "Then let us not keep them waiting. All aboard!"},
          {'J', "Wren, you sit up front. You always wanted to fly higher."},
          {'B', "Hold on to your hats!"},
      }},
      {"#22 Hazel: Quillmere rebuilt", {
          {'H', "Bram, Wren! The mayor of Quillmere thanks you both."},
          {'J', "Everyone helped. We only gathered the fruit."},
          {'H', "Five islands of fruit! And the guardians?"},
          {'J', "Calm as kittens. They came down to see the lanterns."},
          {'H', "Then tonight we celebrate. Look, here comes the zeppelin!"},
          {'J', "Welcome home, old friend."},
      }},
  };
}

}  // namespace contentgen
