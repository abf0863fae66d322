#Plexa 2.0
#GAME Special rules
#RULE TRCA,0.1,0.1,0.11,0.05
#BOARD 320x200
#SPEED 20
#WRAP 1
#CCOLORS 8
#PALETTE Rainbow008
#D The standard rule with eight states: a car's state climbs while
#D it keeps moving and drops while it waits, so the colours show
#D the speed of the traffic. Each row of the board is the road one
#D generation later, so cars drive to the right and time runs
#D downwards.
#L 3A3.A..AA7.A..AA4.A.AA..A..A.A3.A.A4.4A..4A5.A.3A..A..A.A3.AA4.A..A..
#L AA3.A3.A.A..A8.A..A4.AA8.AA3.A12.A7.3A3.A9.A.A..AA..A.A6.A..A3.7A..A6.
#L 4A13.A..A3.A.AA.A..AA13.A..A11.A3.A5.AA4.A7.A.3A.A.AA4.AA
