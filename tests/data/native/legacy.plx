#PXLife 1.0
#GAME Weighted Life
#RULE NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3
#CCOLORS 1
#PALETTE  Embers 
#D Saved by an early version.
#L 2A$A.A
