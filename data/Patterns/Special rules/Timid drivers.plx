#Plexa 2.0
#GAME Special rules
#RULE TRCA,0.5,0.5,0.05,0.05
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Drivers who hesitate half of the time even on a free road and
#D rarely start from a standstill. Each row of the board is the
#D road one generation later, so cars drive to the right and time
#D runs downwards. Long jams form even at a low density.
#L A.3A..A.A10.A..A.A9.A3.A4.A3.A..A11.A.A4.A.A.A4.A.A4.A.A13.AA..A..A4.A
#L 4.A7.A.3A.A.A4.A.A4.3A7.A4.A..A5.A..A.A..A5.A.A.6A4.A8.A..A11.A5.AA6.
#L AA..A11.A15.AA13.3A5.A4.A5.3A..A
