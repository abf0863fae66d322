#Plexa 2.0
#GAME Special rules
#RULE TRCA,0.1,0.1,0.11,0.05
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Cars on a ring road at a low density under the standard traffic
#D rule. Each row of the board is the road one generation later, so
#D cars drive to the right and time runs downwards. Almost every
#D car drives freely; the few short jams that form dissolve
#D quickly.
#L A..A17.A6.A5.A4.A12.A.A.A3.A5.A.A6.A.A6.A..A10.A14.AA21.AA6.A9.A4.A10.
#L A..A..A7.A18.A6.A18.A25.A.A10.A4.A.AA8.A..AA14.A10.A
