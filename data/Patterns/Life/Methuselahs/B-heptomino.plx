#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D A very common seven-cell shape that often turns up in the middle
#D of larger reactions. It settles at generation 148 with 28 cells.
#L A.AA$3A$.A
