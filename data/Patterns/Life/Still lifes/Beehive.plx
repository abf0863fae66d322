#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x160
#SPEED 200
#WRAP 0
#D Six cells in a hexagon, the second most common still life. It is
#D a still life.
#L .AA$A..A$.AA
