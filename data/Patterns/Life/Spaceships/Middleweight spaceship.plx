#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 50
#WRAP 1
#D The middleweight spaceship (MWSS), one cell longer than the
#D lightweight one. It travels 2 cells orthogonally every 4
#D generations (c/2).
#L 3.A$.A3.A$A$A4.A$5A
