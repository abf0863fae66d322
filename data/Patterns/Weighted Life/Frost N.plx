#Plexa 2.0
#GAME Weighted Life
#RULE NW0,NN1,NE0,WW1,ME0,EE1,SW0,SS1,SE0,HI25,RB1
#BOARD 320x320
#SPEED 20
#WRAP 0
#PALETTE Fire024
#D The same freezing rule as Frost M on the four orthogonal
#D neighbours only: the frost grows as a diamond of thin, branching
#D crystals. At generation 100 it has 4560 cells.
#L A
