#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D Seven cells shaped like the letter pi that grow into a symmetric
#D display. It settles at generation 173 with 55 cells.
#L 3A$A.A$A.A
