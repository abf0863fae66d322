#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x160
#SPEED 200
#WRAP 0
#D Four cells in a square, the most common still life: every cell
#D has three neighbours. It is a still life.
#L AA$AA
