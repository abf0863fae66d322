#Plexa 2.0
#GAME Cyclic CA
#RULE R1/T1/C14/NN
#BOARD 200x200
#SPEED 0
#WRAP 0
#PALETTE Contrast024
#D A hand-made start for the 14-state cyclic automaton: a small
#D disc whose states run once round the clock, on an empty board.
#D The disc is the core of a spiral; it winds its arms outwards
#D until they fill the board.
#L 5.J$..3IJ3K$.HHIIJKKLL$.3HIJK3L$.GGHHJLLMM$5G$.FFEECAA$.3EDCB3A$.EEDDC
#L BBAA$..3DC3B$5.C
