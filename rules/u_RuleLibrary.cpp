#include "rules/u_RuleLibrary.h"

#include "base/u_Host.h"
#include "base/u_LibraryFiles.h"
#include "base/u_LineFile.h"
#include "base/u_Text.h"
#include "rules/u_Life.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace {

struct TBuiltInRule {
    uint8_t Game;
    const char* Name;
    const char* Kind;
    const char* Rule;
    const char* Description;
};

// clang-format off
constexpr TBuiltInRule kBuiltInRules[] = {
    {gmLife, "Flakes", "Expanding", "012345678/3",
     "Live cells never die and a dead cell with exactly three live neighbours is born, so a "
     "pattern can only grow. Small seeds spread into lacy, snowflake-like crystals."
     "\r\n\r\n" "Also known as Life without Death."},
    {gmLife, "Seeds (2)", "Exploding", "/2",
     "No cell survives; a dead cell with exactly two live neighbours is born. Almost every "
     "pattern explodes into an ever growing spray of sparks."
     "\r\n\r\n" "Studied by Brian Silverman."},
    {gmLife, "Serviettes", "Exploding", "/234",
     "No cell survives; a cell is born with two, three or four neighbours. Small seeds grow "
     "into symmetric patterns like folded paper napkins before they break up."},
    {gmLife, "Gnarl", "Exploding", "1/1",
     "A cell survives and is born with exactly one live neighbour. A single cell grows into a "
     "gnarled texture reminiscent of the grain of wood."},
    {gmLife, "Maze", "Exploding", "12345/3",
     "Births as in Conway's Life, but a cell survives with one to five neighbours. Random "
     "starts grow into long corridors that form a maze."},
    {gmLife, "2x2", "Chaotic", "125/36",
     "A cell survives with one, two or five neighbours and is born with three or six. Patterns "
     "made of 2x2 blocks keep that structure and behave like a rule on a coarser grid."
     "\r\n\r\n" "Found by Nathan Thompson."},
    {gmLife, "Replicator", "Exploding", "1357/1357",
     "A cell is alive in the next generation exactly when an odd number of its neighbours is "
     "alive. Every pattern is copied again and again into ever larger arrays of copies."
     "\r\n\r\n" "Edward Fredkin's parity rule on the eight neighbours."},
    {gmLife, "Amoeba", "Chaotic", "1358/357",
     "Random starts settle into large blobs shaped like amoebas, whose borders hold while their "
     "insides keep boiling."},
    {gmLife, "Conway's Life", "Chaotic", "23/3",
     "A live cell survives with two or three live neighbours and a dead cell is born with "
     "exactly three. Gliders, oscillators and still lifes appear from almost any start, and the "
     "rule can compute anything a computer can."
     "\r\n\r\n" "Devised by John Horton Conway in 1970 and made famous by Martin Gardner's "
     "column in Scientific American."},
    {gmLife, "HighLife", "Chaotic", "23/36",
     "Conway's Life with an extra birth on six neighbours. It looks much like Life but also has "
     "a small replicator that makes copies of itself."
     "\r\n\r\n" "Found by Nathan Thompson in 1994."},
    {gmLife, "Stains", "Stable", "235678/3678",
     "A cell survives with two, three or five to eight neighbours and is born with three, six, "
     "seven or eight. Patterns grow for a while and settle into ink stains."},
    {gmLife, "Coagulations", "Exploding", "235678/378",
     "Stains without the birth on six neighbours: patterns grow into slowly spreading, "
     "coagulating masses."},
    {gmLife, "Pseudo life", "Chaotic", "238/357",
     "At first sight it behaves like Conway's Life, with gliders and oscillators of its own, "
     "but most of Life's patterns fall apart under it."},
    {gmLife, "Move", "Stable", "245/368",
     "A cell survives with two, four or five neighbours and is born with three, six or eight. "
     "Random starts die back to stable objects and many small spaceships."
     "\r\n\r\n" "Also known as Morley, after Stephen Morley."},
    {gmLife, "34 Life", "Exploding", "34/34",
     "A cell survives and is born with three or four neighbours. There are many small "
     "oscillators and a small spaceship; larger patterns tend to grow."},
    {gmLife, "Day & Night", "Stable", "34678/3678",
     "The rule treats live and dead cells alike: a hole in a live sea behaves exactly like the "
     "same pattern of live cells in an empty one. Blobs grow or shrink slowly and there are "
     "many unusual spaceships."
     "\r\n\r\n" "Found by Nathan Thompson."},
    {gmLife, "Assimilation", "Stable", "4567/345",
     "Patterns grow into diamond shapes that slowly take in the cells around them and come to "
     "rest."},
    {gmLife, "Coral", "Exploding", "45678/3",
     "Births as in Conway's Life, survival with four or more neighbours. Patterns grow slowly "
     "into dense structures like coral."},
    {gmLife, "Long life", "Stable", "5/345",
     "A cell survives only with exactly five neighbours but is born with three, four or five. "
     "The rule is known for oscillators of very long periods."},
    {gmLife, "Diamoeba", "Chaotic", "5678/35678",
     "Patterns form large diamond-shaped blobs with restless edges; a blob may grow or shrink "
     "for a long time before it settles or dies."
     "\r\n\r\n" "Studied by Dean Hickerson."},

    {gmGenerations, "Banners", "Exploding", "2367/3457/5",
     "Five states. Growth spreads in stripes that trail behind the moving fronts like banners."},
    {gmGenerations, "BelZhab", "Exploding", "23/23/8",
     "Eight states. Expanding rings and spirals appear, much like the waves of the chemical "
     "reaction the name refers to."
     "\r\n\r\n" "Named after the Belousov-Zhabotinsky reaction."},
    {gmGenerations, "Brian's Brain", "Chaotic", "/2/3",
     "Three states: a cell fires when exactly two neighbours fire, then rests for one "
     "generation. Almost every start turns into a storm of small, fast spaceships."
     "\r\n\r\n" "Devised by Brian Silverman."},
    {gmGenerations, "Caterpillars", "Chaotic", "124567/378/4",
     "Four states. Slow, segmented objects crawl like caterpillars through a chaotic "
     "background."},
    {gmGenerations, "Chenille", "Exploding", "05678/24567/6",
     "Six states. Patterns grow into fuzzy threads like chenille yarn."},
    {gmGenerations, "Cooties", "Exploding", "23/2/8",
     "Eight states. Small creatures crawl around, multiply and collide."},
    {gmGenerations, "Faders", "Exploding", "2/2/25",
     "Twenty-five states. Births on two neighbours leave long fading trails, so patterns "
     "dissolve into colourful smoke."},
    {gmGenerations, "Fireworks", "Exploding", "2/13/21",
     "Twenty-one states. A few cells burst into showers of sparks with long fading tails."},
    {gmGenerations, "Frogs", "Chaotic", "12/34/3",
     "Three states. Chaotic, with small objects that hop about like frogs."},
    {gmGenerations, "Lava", "Expanding", "12345/45678/8",
     "Eight states. Patterns spread into a slowly flowing, glowing mass."},
    {gmGenerations, "Nova", "Expanding", "45678/2478/25",
     "Twenty-five states. A small seed bursts into a bright, expanding star."},
    {gmGenerations, "Prairie on fire", "Exploding", "345/34/6",
     "Six states. Fronts of fire sweep across the plane and leave fading embers behind."},
    {gmGenerations, "RainZha", "Exploding", "2/23/8",
     "Eight states. A relative of BelZhab whose waves break up into raindrops."},
    {gmGenerations, "Spirals", "Exploding", "2/234/5",
     "Five states. Growth organises itself into spirals."},
    {gmGenerations, "Star Wars", "Exploding", "345/2/4",
     "Four states. Swarms of spaceships fly about and shoot at each other."},
    {gmGenerations, "Sticks", "Exploding", "3456/2/6",
     "Six states. Growth forms straight lines like sticks."},
    {gmGenerations, "Swirl", "Chaotic", "23/34/8",
     "Eight states. Swirls form, drift and dissolve."},
    {gmGenerations, "Transers", "Exploding", "345/26/5",
     "Five states. Small objects travel in straight lines and carry patterns across the "
     "plane."},
    {gmGenerations, "Wanderers", "Exploding", "345/34678/5",
     "Five states. Blobs wander across the plane and grow."},
    {gmGenerations, "Worms", "Exploding", "3467/25/6",
     "Six states. Long worm-like trails wind their way across the plane."},

    {gmWeightedLife, "Quorrel rule", "Chaotic",
     "NW3,NN2,NE3,WW2,ME0,EE2,SW3,SS2,SE3,HI0,RS3,RS5,RS8,RB4,RB6,RB8",
     "Corner neighbours weigh 3 and side neighbours 2; a cell survives on the sums 3, 5 and 8 "
     "and is born on 4, 6 and 8. Regions quarrel endlessly along their borders."},
    {gmWeightedLife, "Career", "Chaotic",
     "NW1,NN2,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3",
     "Conway's Life with the northern neighbour counted twice. The bias sends gliders and "
     "debris off in preferred directions."},
    {gmWeightedLife, "Cyclish", "Cyclic",
     "NW0,NN1,NE0,WW1,ME0,EE1,SW0,SS1,SE0,HI7,RS2,RB1,RB2,RB3",
     "Only the four side neighbours count, and dying cells fade through seven history states. "
     "Waves keep cycling around in rings."},
    {gmWeightedLife, "Fire-flies", "Stable",
     "NW1,NN5,NE1,WW5,ME10,EE5,SW1,SS5,SE1,HI9,RS1,RS10,RB6,RB11,RB12,RB21",
     "The cell itself weighs 10, its side neighbours 5 and its corners 1, with nine history "
     "states. Small objects flash on and off like fire-flies."},
    {gmWeightedLife, "Frost M", "Exploding", "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI25,RB1",
     "A dead cell with exactly one of its eight neighbours alive is born, no cell survives, and "
     "the dying cells fade through the history states. A single cell grows into a crystal of "
     "frost."},
    {gmWeightedLife, "Frost N", "Exploding", "NW0,NN1,NE0,WW1,ME0,EE1,SW0,SS1,SE0,HI25,RB1",
     "Frost M with only the four side neighbours: the crystal grows in diamond-shaped "
     "layers."},
    {gmWeightedLife, "HGlass", "Stable",
     "NW0,NN2,NE0,WW8,ME1,EE16,SW0,SS4,SE0,HI0,RS1,RS2,RS3,RS11,RS21,RS25,RS29,RS30,RS31,RB1,RB2,"
     "RB3,RB11,RB21,RB25,RB29,RB30,RB31",
     "The cell and its four side neighbours weigh 1, 2, 4, 8 and 16, so every sum tells "
     "exactly which of them are alive: any rule on these five cells can be written this way. "
     "Patterns trickle down like sand in an hourglass."},
    {gmWeightedLife, "Madness", "Chaotic",
     "NW2,NN3,NE2,WW3,ME0,EE3,SW2,SS3,SE2,HI0,RS8,RS10,RS12,RS14,RB5,RB8,RB13",
     "Corners weigh 2 and sides 3; a cell survives on the even sums 8 to 14 and is born on 5, "
     "8 and 13. Growth is erratic and never settles."},
    {gmWeightedLife, "MidgeDN", "Stable",
     "NW2,NN2,NE2,WW1,ME0,EE1,SW2,SS1,SE2,HI9,RS0,RS2,RS3,RB4,RB5,RB6",
     "Unequal weights and nine history states: small midges fly about and settle into "
     "colonies."},
    {gmWeightedLife, "Midges", "Stable",
     "NW1,NN2,NE1,WW2,ME3,EE2,SW1,SS2,SE1,HI4,RS3,RS5,RS6,RB4,RB5,RB6",
     "The cell weighs 3, its sides 2 and its corners 1, with four history states. Swarms of "
     "small midges fly around and gather into stable groups."},
    {gmWeightedLife, "Parity", "Exploding",
     "NW0,NN1,NE0,WW1,ME1,EE1,SW0,SS1,SE0,HI0,RS1,RS3,RS5,RB1,RB3,RB5",
     "The cell and its four side neighbours each weigh 1, and the cell is alive when an odd "
     "number of them is. The rule is additive, so every pattern is copied over and over."},
    {gmWeightedLife, "Pictures", "Stable",
     "NW0,NN1,NE0,WW1,ME0,EE1,SW0,SS1,SE0,HI0,RS1,RS2,RS3,RB2,RB3,RB4",
     "Only the four side neighbours count; a cell survives on one to three and is born on two "
     "to four. Random starts freeze quickly into still pictures."},
    {gmWeightedLife, "PicturesH", "Stable",
     "NW0,NN1,NE0,WW1,ME0,EE1,SW0,SS1,SE0,HI9,RS1,RS2,RS3,RB2,RB3,RB4",
     "Pictures with nine history states, which draw fading outlines around the pictures."},

    {gmVoteForLife, "Fredkin", "Exploding", "13579",
     "The cell and its eight neighbours are counted together and the cell is alive when the "
     "count is odd. Every pattern is copied into more and more copies of itself."
     "\r\n\r\n" "Edward Fredkin's parity rule."},
    {gmVoteForLife, "Feux", "Exploding", "1358",
     "Counting the cell itself, it is alive on one, three, five or eight. Patterns explode "
     "into flickering flames."},
    {gmVoteForLife, "Vote 4/5", "Collapsing", "46789",
     "Majority vote with the counts four and five swapped. The borders between live and dead "
     "regions keep moving and smoothing, so small regions melt into large ones."
     "\r\n\r\n" "Gerard Vichniac's twisted majority rule, also called annealing."},
    {gmVoteForLife, "Vote", "Stable", "56789",
     "Plain majority vote: a cell is alive when five or more of the nine cells are. Random "
     "starts freeze quickly into stable blobs."},

    {gmCyclic, "313", "Cyclic", "R1/T3/C3/NM",
     "Three states, range 1, threshold 3. A cell advances to the next state when at least "
     "three neighbours are already in it; spiral waves form and take over the plane."},
    {gmCyclic, "3-color bootstrap", "Cyclic", "R2/T11/C3/NM",
     "Three states with a high threshold. Most of the plane freezes at once, a few patches "
     "survive and slowly spread until they fill it."},
    {gmCyclic, "CCA", "Cyclic", "R1/T1/C14/NN",
     "Fourteen states, the four side neighbours, threshold 1: the classic cyclic cellular "
     "automaton. Noise organises itself into spirals that cover the plane."
     "\r\n\r\n" "Introduced by David Griffeath."},
    {gmCyclic, "Cyclic spirals", "Cyclic", "R3/T5/C8/NM",
     "Eight states, range 3: large, well-formed spirals."},
    {gmCyclic, "Fossil debris", "Cyclic", "R2/T9/C4/NM",
     "Four states with a high threshold. Spirals start to form but freeze into debris that "
     "never changes again."},
    {gmCyclic, "GH Macaroni", "Cyclic", "R2/T4/C5/NM/GH",
     "An excitable medium: only a resting cell needs enough excited neighbours, after which it "
     "runs through its states on its own. The waves form curly tubes like macaroni."
     "\r\n\r\n" "After the excitable media of Greenberg and Hastings."},
    {gmCyclic, "GH Multistrands", "Cyclic", "R5/T15/C6/NM/GH",
     "An excitable medium with a large range: the waves braid into many parallel strands."},
    {gmCyclic, "GH Percolation mix", "Cyclic", "R5/T10/C8/NM/GH",
     "An excitable medium whose waves percolate through a mix of active and resting regions."},
    {gmCyclic, "GH Weak spirals", "Cyclic", "R4/T9/C7/NM/GH",
     "An excitable medium whose spirals form but stay weak and often break."},
    {gmCyclic, "GH", "Cyclic", "R3/T5/C8/NM/GH",
     "The basic excitable medium: a resting cell is excited by five excited neighbours within "
     "range 3 and then recovers through eight states. Clean target and spiral waves."
     "\r\n\r\n" "After the excitable media of Greenberg and Hastings."},
    {gmCyclic, "Maps", "Cyclic", "R2/T3/C5/NN",
     "Five states in a diamond-shaped neighbourhood of range 2. The plane freezes into regions "
     "like a political map."},
    {gmCyclic, "Perfect", "Cyclic", "R1/T3/C4/NM",
     "Four states, range 1, threshold 3: perfectly regular spirals eventually cover the "
     "plane."},
    {gmCyclic, "Stripes", "Cyclic", "R3/T4/C5/NN",
     "Five states in a diamond-shaped neighbourhood of range 3: the waves line up into "
     "stripes."},
    {gmCyclic, "Turbulent phase", "Cyclic", "R2/T5/C8/NM",
     "Eight states, range 2: spirals form and break up, and the plane stays turbulent."},

    {gm1DTotalistic, "Abacus", "Stable", "R2,C10,M1,S0,S1,B0,B3",
     "Range 2 with ten history states: streaks slide along the rows like beads on an abacus."},
    {gm1DTotalistic, "Champagne", "Stable", "R3,C0,M1,S3,S6,S7,S8,S9,S12,S13,B0,B1",
     "Range 3: streams of bubbles rise as in a glass of champagne."},
    {gm1DTotalistic, "Class 4 a", "Chaotic", "R2,C0,M1,S1,S3,B2,B3,B4",
     "Range 2: a complex rule where local structures travel over a regular background and "
     "collide."
     "\r\n\r\n" "Class 4 of Stephen Wolfram's classification: neither fixed, periodic nor "
     "chaotic, but complex."},
    {gm1DTotalistic, "Class 4 b", "Chaotic", "R6,C0,M1,S3,S4,S5,S9,S11,S12,S13,B0,B1,B3,B13",
     "Range 6: another complex rule, with long-lived structures that meet and interact."},
    {gm1DTotalistic, "Class 4 c", "Chaotic", "R6,C0,M1,S3,S5,S8,S9,S11,B0,B7,B8,B9,B13",
     "Range 6: complex behaviour with gliders of many widths."},
    {gm1DTotalistic, "Date palms", "Stable", "R5,C0,M1,S0,S7,S8,S9,S10,S11,B0",
     "Range 5: growth forms trunks crowned with leaves, like date palms."},
    {gm1DTotalistic, "Embossed triangles", "Stable", "R2,C0,M1,S2,S3,B2,B3,B4",
     "Range 2: nested triangles that look embossed."},
    {gm1DTotalistic, "Fences", "Stable", "R6,C25,M1,S1,S4,S7,S8,B0,B3,B5",
     "Range 6 with twenty-five history states: posts joined by rails, like fences."},
    {gm1DTotalistic, "Forest", "Stable",
     "R10,C0,M0,S1,S2,S6,S7,S9,S12,S14,S17,B1,B7,B10,B11,B13,B15,B16,B17,B19",
     "Range 10 without the cell itself: growth branches like the trees of a forest."},
    {gm1DTotalistic, "Gears 1", "Stable", "R5,C0,M1,S0,S7,S10,S11,B0",
     "Range 5: rows of teeth that interlock like gears."},
    {gm1DTotalistic, "Gears 2", "Stable", "R5,C0,M1,S0,S6,S10,S11,B0",
     "A variant of Gears 1 with survival on six instead of seven."},
    {gm1DTotalistic, "Marvel", "Stable", "R3,C0,M0,S0,S5,S6,B0,B3",
     "Range 3 without the cell itself: intricate, regular ornaments."},
    {gm1DTotalistic, "Maze", "Stable", "R3,C10,M1,S3,S4,S5,B1,B3,B4,B5",
     "Range 3 with ten history states: the rows build a maze of corridors."},
    {gm1DTotalistic, "Noname01", "Stable", "R2,C0,M1,S0,S3,S4,B2,B4,B5",
     "Range 2: regular structures on a quiet background."},
    {gm1DTotalistic, "Noname02", "Stable", "R2,C15,M1,S2,S3,B1,B2",
     "Range 2 with fifteen history states: growth with colourful fading edges."},
    {gm1DTotalistic, "Pascal's triangle", "Stable", "R1,C0,M1,B1",
     "A cell is born when exactly one of its two neighbours is alive, and no cell survives. A "
     "single cell draws Pascal's triangle of odd and even numbers, a Sierpinski triangle."},
    {gm1DTotalistic, "Porridge", "Stable", "R1,C0,M1,S0,S3,B0,B2",
     "Range 1: a bubbling texture like porridge on the stove."},
    {gm1DTotalistic, "Skyscrapers", "Stable",
     "R6,C10,M1,S2,S4,S6,S7,S8,S11,S13,S15,B0,B1,B3,B8,B12",
     "Range 6 with ten history states: tall columns rise like skyscrapers."},
    {gm1DTotalistic, "The City", "Stable", "R3,C0,M0,S0,S3,B0,B4",
     "Range 3 without the cell itself: a skyline of buildings."},
    {gm1DTotalistic, "Tulips", "Stable",
     "R10,C0,M1,S0,S3,S6,S10,S11,S14,S15,S16,S17,S18,S19,S20,S21,B1,B11,B12,B17,B18,B19,B20,B21",
     "Range 10: flowers like tulips open row by row."},
    {gm1DTotalistic, "Walls", "Stable", "R2,C15,M1,S2,S3,B1,B3",
     "Range 2 with fifteen history states: vertical walls with fading faces."},

    {gmRulesTable, "Conway's Life", "Chaotic", "1,0,0,0,0,0,1,0,0,0,0,0,0,0,0,1,1",
     "Conway's Life written as a table: the next state for each state and count of live "
     "neighbours."},
    {gmRulesTable, "Balloons", "Exploding",
     "1,0,1,0,0,15,0,0,0,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4,4,"
     "8,4,4,4,4,4,4,0,5,5,5,5,5,7,7,9,11,0,2,2,2,2,2,2,2,2,2,0,5,5,5,5,5,13,13,9,11,0,8,8,10,8,8,8,"
     "8,8,8,0,2,2,2,2,2,9,13,9,11,0,10,10,0,10,10,10,10,10,10,0,14,14,14,14,14,14,14,14,11,0,12,12,"
     "4,12,12,12,12,12,12,0,6,6,6,6,13,13,13,9,11,0,14,14,14,12,14,14,14,14,14,0,2,2,2,2,2,2,2,2,2",
     "Sixteen states: rings inflate like balloons and burst into fragments that inflate "
     "again."},
    {gmRulesTable, "Cars", "Gliding",
     "1,0,1,0,2,15,6,8,2,4,6,8,0,0,0,0,0,0,0,0,0,0,0,4,4,4,4,4,4,4,4,4,0,0,0,0,0,0,0,0,0,0,0,0,6,6,"
     "6,6,6,6,6,6,0,0,0,0,0,0,0,0,0,0,0,8,8,8,8,8,8,8,8,8,0,0,0,0,0,0,0,0,0,0,0,10,10,10,10,10,10,"
     "10,10,10,0,0,0,0,0,0,0,0,0,0,0,12,12,12,12,12,12,12,12,12,0,0,0,0,0,0,0,0,0,0,0,14,14,14,14,"
     "14,14,14,14,14,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,15,15",
     "Sixteen states: little cars drive along straight lines and crash into each other."},
    {gmRulesTable, "Cheops", "Expanding",
     "1,0,0,0,4,1,9,8,0,0,0,0,0,5,0,9,7,0,6,0,9,8,0,8,0,0,0,0,0,0,0,0,0,0,0,2,0,0,6,0,0,4,0,3,0,0,"
     "0,3,0,1,0,0,0,4,0,3,0,9,0,6,1,0,0,0,5,0,0,0,0,4,1,0,0,2,7,0,2,6,3,8,4,6,0,1,0,0,0,0,0,0,0,0,"
     "0,0,0,0,6,7,0,8,5,3",
     "Growth builds stepped structures like pyramids."},
    {gmRulesTable, "Cooties 2", "Exploding",
     "1,0,1,0,0,15,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
     "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
     "0,0,0,0,0,0,0,0,0,0,0,4,4,4,4,4,4,4,4,4,0,0,0,0,0,0,0,0,0,0,0,14,14,14,14,14,14,14,14,14,0,0,"
     "0,0,0,0,0,0,0,0,0,10,10,10,10,10,10,10,10,10,0,12,12,15,12,12,12,12,12,12",
     "A table relative of the Generations rule Cooties: small crawling creatures multiply."},
    {gmRulesTable, "Crawlers", "Expanding",
     "1,0,1,0,14,3,8,0,0,0,0,0,0,2,8,0,6,0,0,3,11,0,0,0,0,0,10,0,0,0,0,0,0,0,2,0,11,0,6,0,0,0,0,6,"
     "0,0,0,4,0,9,0,0,0,6,0,8,0,0,11,10,0,8,0,10,0,0,0,11,0,0,6,0,0,0,10,0,0,0,0,5,0,0,0,2,8,0,0,0,"
     "0,0,0,0,0,6,0,5,14,0,0,0,1,0,0,0,11,6,0,0,8,8,0,0,0,8,12,0,0,0,0,0,6,5,0,8,0,0,0,0,0,8,8,0,0,"
     "1,0,0,2,6,0,6,0,5,0,0,0,0,0,0,0,0,11,0,0,0,0,0,0,0,0,0,3,9",
     "Crawling objects leave growing trails behind them."},
    {gmRulesTable, "EcoLiBra", "Chaotic",
     "1,0,1,0,0,7,0,0,0,15,15,0,0,0,0,0,0,0,0,0,0,0,0,15,15,15,15,15,2,2,15,15,0,0,0,0,0,0,0,0,0,0,"
     "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,12,12,12,12,12,12,12,12,12,0,0,"
     "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
     "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,15,0,15,15,15,2,15,15,15",
     "Growth and decay hold each other in balance, like a small ecosystem in equilibrium."},
    {gmRulesTable, "Fire sticks", "Gliding",
     "1,0,1,0,0,15,15,0,0,0,0,0,0,0,0,0,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,5,0,0,0,0,0,0,6,6,"
     "0,6,6,6,6,6,6,0,0,0,0,7,0,0,0,0,0,0,8,8,6,8,8,8,8,8,8,0,0,0,0,9,0,0,0,0,0,0,2,2,8,2,2,2,2,2,"
     "2,0,0,0,0,11,0,0,0,0,0,0,4,4,10,4,4,4,4,4,4,0,0,0,0,13,0,0,0,0,0,0,14,14,12,14,14,14,14,14,"
     "14,0,0,0,0,15,0,0,0,0,0,0,10,10,14,10,10,10,10,10,10,0,12,12,0,15,12,12,12,12,12",
     "Burning sticks glide across the plane and set each other alight."},
    {gmRulesTable, "Ladders", "Chaotic",
     "1,0,1,0,6,5,0,0,2,15,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,8,7,15,0,15,0,0,0,0,6,0,0,0,0,0,3,0,0,0,"
     "0,0,0,0,0,0,0,0,8,0,0,0,0,0,0,0,0,0,8,4,2,5,6,0,0,0,0,0,4,0,11,0,0,0,0,0,0,0,0,0,0,0,0,0,15,"
     "4,0,0,0,8,0,15,5,0,0,0,0,0,4,10,0,0,4,5,0,0,4,0,0,8,8,0,0,12,4,6,0,0,0,0,0,10,2,10,6,6,0,0,0,"
     "0,0,0,0,0,0,0,0,0,0,0,0,0,9,0,11,3,0,0,9,0,0,0,14,0,0,6",
     "Ladder-like structures grow and decay chaotically."},
    {gmRulesTable, "Piranha", "Chaotic",
     "1,0,1,0,6,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
     "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,11,0,0,0,0,0,0,0,0,7,0,6,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,9,"
     "0,0,0,6,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,0,5,0,0,0,0,0,0,0,0,0,8,0,4,0,0,0,0,0,0,0,0,0,0,0,0,"
     "0,0,3,0,0,0,0,0,0,0,0,0,0,0,0,1",
     "Hungry objects like piranhas eat their way through everything else."},
    {gmRulesTable, "RanBrain", "Exploding",
     "1,0,1,0,0,5,10,0,0,5,10,0,0,0,0,5,10,0,0,0,0,15,0,0,0,0,0,0,15,15,0,0,0,0,0,14,0,0,0,0,0,0,0,"
     "0,0,4,0,0,0,0,0,0,0,2,6,2,6,2,6,2,6,2,0,2,6,2,6,2,6,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,12,0,0,0,"
     "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,12,0,0,0,2,0,0,0,0,0,0,0,0,0,0,"
     "0,0,0,0,0,0,0,0,0,0,14,7",
     "A many-state relative of Brian's Brain that explodes into noisy sparks."},
    {gmRulesTable, "Strangers", "Gliding",
     "1,0,0,0,4,1,9,8,0,0,0,0,0,5,0,9,7,0,6,0,9,8,0,2,5,0,4,0,0,0,0,0,0,0,10,2,10,0,6,0,0,4,0,3,0,"
     "10,0,3,0,1,10,0,0,4,0,3,10,9,0,6,1,0,0,0,5,0,0,0,0,4,1,0,0,2,7,0,2,6,3,8,4,6,0,1,0,0,0,0,0,0,"
     "0,0,0,0,0,0,6,7,0,8,5,3,0,9,0,0,5,0,4,0,0,5,0,0,0,0,0,0,0,9",
     "A relative of Cheops with strange gliding objects."},

    {gmSpecial, "Traffic CA Standard", "Stable", "TRCA,0.1,0.1,0.11,0.05",
     "A one-lane traffic model on a single row: cars move on, brake and accelerate with the "
     "probabilities the four parameters give, and jams form and dissolve."},
};
// clang-format on

constexpr const char* kBackupEnding = ".BAK";
constexpr const char* kFileErrorCaption = "User rules";
constexpr const char* kNoText = "???";

// The order in which a "#GAME" line's value is matched: by its beginning, letter case ignored.
constexpr std::array<uint8_t, kGameCount> kGameMatchOrder = {
    gmLife,   gmGenerations,  gmVoteForLife, gmWeightedLife, gmRulesTable,
    gmCyclic, gm1DTotalistic, gmUserDll,     gmSpecial};

constexpr std::array<const char*, 10> kFileHeader = {
    "// Plexa User Rules file",
    "//",
    "// Syntax:",
    "//   #GAME - one of: Life, Generations, Vote for Life, Weighted Life",
    "//   #RULE - rule expressed as a string",
    "//   #NAME - any name of the rule",
    "//   #KIND - rule nature, usu. one of: Exploding, Chaotic, Stable, Collapsing",
    "//   #INFO - the rule descrition. There is no limit of the line length.",
    "//",
    "//"};

bool IsGameIndex(int game)
{
    return game >= 1 && game <= kGameCount;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    size_t start = 0;
    for (size_t found; (found = text.find(from, start)) != std::string_view::npos;
         start = found + from.size()) {
        result.append(text.substr(start, found - start)).append(to);
    }
    return result.append(text.substr(start));
}

// Every line break (CR LF, CR or LF) as `with`: a field must stay on its own line in the file,
// or the rest of it would be lost, or read as lines of its own.
std::string OnOneLine(std::string_view text, std::string_view with)
{
    const std::vector<std::string> lines = SplitLines(text);
    std::string result;
    for (size_t i = 0; i < lines.size(); ++i) result += (i ? std::string(with) : "") + lines[i];
    return result;
}

int GameOfLine(std::string_view value)
{
    for (uint8_t game : kGameMatchOrder) {
        if (StartsWithNoCase(value, TLife::GameName(game))) return game;
    }
    return gmLife;
}

std::string UserRulesPath(const std::string& programFolder)
{
    return programFolder + kUserRulesFile;
}

// The entry being read from the user rules file; it is added once its end is reached.
struct TPendingEntry {
    int Game = gmLife;
    std::string Name, Rule, Kind, Description;
};

} // namespace

TRuleLibrary::TRuleLibrary(THost& host) : FHost(host), FEntries(kGameCount)
{
    AddBuiltInEntries();
}

void TRuleLibrary::AddBuiltInEntries()
{
    for (const TBuiltInRule& rule : kBuiltInRules) {
        AddEntry(rule.Game, rule.Name, rule.Rule, rule.Kind, rule.Description, false);
    }
}

void TRuleLibrary::AddEntry(int game, std::string_view name, std::string_view rule,
                            std::string_view kind, std::string_view description, bool user)
{
    if (!IsGameIndex(game)) return;
    auto& entries = FEntries[static_cast<size_t>(game - 1)];
    if (entries.size() >= kMaxRulesPerGame) return;
    entries.push_back({std::string(Trim(name)), std::string(Trim(rule)), std::string(Trim(kind)),
                       std::string(Trim(description)), user});
}

void TRuleLibrary::DeleteEntry(int game, int position)
{
    if (!Entry(game, position)) return;
    auto& entries = FEntries[static_cast<size_t>(game - 1)];
    entries.erase(entries.begin() + position);
}

bool TRuleLibrary::EditEntry(int game, int position, std::string_view name, std::string_view kind,
                             std::string_view description)
{
    const TFamousRule* found = Entry(game, position);
    if (!found || !found->User) return false;
    TFamousRule& entry = FEntries[static_cast<size_t>(game - 1)][static_cast<size_t>(position)];
    entry.Name = Trim(name);
    entry.Kind = Trim(kind);
    entry.Description = Trim(description);
    return true;
}

int32_t TRuleLibrary::EntryCount(int game) const
{
    return IsGameIndex(game) ? static_cast<int32_t>(FEntries[static_cast<size_t>(game - 1)].size())
                             : 0;
}

const TFamousRule* TRuleLibrary::Entry(int game, int position) const
{
    if (position < 0 || position >= EntryCount(game)) return nullptr;
    return &FEntries[static_cast<size_t>(game - 1)][static_cast<size_t>(position)];
}

void TRuleLibrary::AddUserDllEntries(const std::string& programFolder)
{
    for (const std::string& name : LibraryNames(programFolder + kLibraryFolder)) {
        AddEntry(gmUserDll, name, name, "Unknown", "No description", false);
    }
}

bool TRuleLibrary::ReadUserRules(const std::string& programFolder)
{
    const std::string path = UserRulesPath(programFolder);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return true;
    const auto lines = ReadLineFile(path);
    if (!lines) {
        FHost.ShowMessage("Cannot read the user rules file\n" + path, kFileErrorCaption,
                          TMsgIcon::Error, TMsgButtons::Ok);
        return false;
    }

    TPendingEntry pending;
    auto addPending = [&] {
        if (pending.Rule.empty()) return;
        AddEntry(pending.Game, pending.Name, pending.Rule, pending.Kind,
                 ReplaceAll(pending.Description, "\\n", "\r\n"), true);
        pending = {};
    };
    const auto orUnknown = [](std::string text) { return text.empty() ? kNoText : text; };
    for (const std::string& line : *lines) {
        // The value starts at the sixth character, so the blank after the key is optional.
        const std::string value(
            Trim(std::string_view(line).substr(std::min<size_t>(5, line.size()))));
        if (StartsWithNoCase(line, "#GAME")) {
            addPending();
            pending.Game = GameOfLine(value);
        } else if (StartsWithNoCase(line, "#RULE")) {
            pending.Rule = value;
        } else if (StartsWithNoCase(line, "#KIND")) {
            pending.Kind = orUnknown(value);
        } else if (StartsWithNoCase(line, "#NAME")) {
            pending.Name = orUnknown(value);
        } else if (StartsWithNoCase(line, "#INFO")) {
            pending.Description =
                orUnknown(pending.Description.empty() ? value : pending.Description + " " + value);
        }
    }
    addPending();
    return true;
}

bool TRuleLibrary::WriteUserRules(const std::string& programFolder) const
{
    std::vector<std::string> lines(kFileHeader.begin(), kFileHeader.end());
    for (int game = 1; game <= kGameCount; ++game) {
        for (const TFamousRule& entry : FEntries[static_cast<size_t>(game - 1)]) {
            if (!entry.User) continue;
            lines.push_back("//");
            lines.push_back("#GAME " + TLife::GameName(game));
            lines.push_back("#RULE " + OnOneLine(entry.Rule, " "));
            lines.push_back("#NAME " + OnOneLine(entry.Name, " "));
            lines.push_back("#KIND " + OnOneLine(entry.Kind, " "));
            lines.push_back("#INFO " + OnOneLine(entry.Description, "\\n"));
        }
    }

    const std::string path = UserRulesPath(programFolder);
    // A copy rather than a rename: should the new file fail to take its place, the old one
    // is still there.
    const auto keepBackup = [&] {
        namespace fs = std::filesystem;
        std::error_code error;
        if (fs::exists(path, error)) {
            fs::copy_file(path, path + kBackupEnding, fs::copy_options::overwrite_existing, error);
        }
    };
    if (WriteLineFile(path, lines, keepBackup)) return true;
    FHost.ShowMessage("Cannot write the user rules file\n" + path, kFileErrorCaption,
                      TMsgIcon::Error, TMsgButtons::Ok);
    return false;
}

std::vector<TRuleMenuItem> RuleMenuItems(const TRuleLibrary& library, int game,
                                         std::string_view currentRule)
{
    // These games' rule texts are too long for a menu.
    const bool longRules = game == gmWeightedLife || game == gmRulesTable || game == gm1DTotalistic;
    std::vector<TRuleMenuItem> items;
    for (int position = 0; position < library.EntryCount(game); ++position) {
        const TFamousRule& entry = *library.Entry(game, position);
        std::string caption = entry.Name;
        if (game != gmUserDll) {
            caption += "\t" + (longRules ? std::string() : entry.Rule) + " (" + entry.Kind + ")";
        }
        items.push_back({std::move(caption), entry.Rule, entry.Rule == currentRule});
    }
    return items;
}

void TRuleLibrary::AddProgramEntries(const std::string& programFolder)
{
    AddUserDllEntries(programFolder);
    ReadUserRules(programFolder);
}
