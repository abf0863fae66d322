#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D Four blocks hold a ring in place while the cells in its middle
#D turn round like a pinwheel. Period 4.
#L 6.AA$6.AA$$4.4A$AA.A4.A$AA.A..A.A$3.A3.AA.AA$3.A.A..A.AA$4.4A$$4.AA$4.
#L AA
