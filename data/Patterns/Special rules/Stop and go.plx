#Plexa 2.0
#GAME Special rules
#RULE TRCA,0.3,0.3,0.2,0.1
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Drivers who are slow to react, on a road a third full. Each row
#D of the board is the road one generation later, so cars drive to
#D the right and time runs downwards. Jams keep forming and
#D dissolving, so the cars move in waves of stop and go.
#L A4.A3.A.A.AA.AA..A.A4.A6.A.A.5A.A10.4A9.A3.AA4.A3.A4.3A4.AA.A..A3.A.A
#L 7.AA..A.AA..A5.AA.AA3.AA8.3A.AA4.A..A5.AA.A.3A.A.A3.4A5.A..A.A5.3A5.A
#L ..A..AA..A..A.A7.A.A3.A..A..A..A4.A.A..A..A.A5.A4.AA4.A..A.AA3.AA4.AA
#L ..A..A.A6.A.AA
