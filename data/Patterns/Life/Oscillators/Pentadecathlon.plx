#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D The pentadecathlon: a row of cells that grows and shrinks
#D through fifteen phases, one of the classic oscillators of 1970.
#D Period 15.
#L ..A4.A$AA.4A.AA$..A4.A
