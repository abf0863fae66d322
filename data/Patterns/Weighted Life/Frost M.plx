#Plexa 2.0
#GAME Weighted Life
#RULE NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI25,RB1
#BOARD 320x320
#SPEED 20
#WRAP 0
#PALETTE Fire024
#D A single cell under Frost M: an empty cell freezes when exactly
#D one of its eight neighbours is alive, and every frozen cell then
#D melts through 23 fading states. The frost grows as a square with
#D a fern-like structure inside. At generation 100 it has 18800
#D cells.
#L A
