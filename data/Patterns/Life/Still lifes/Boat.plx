#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x160
#SPEED 200
#WRAP 0
#D Five cells, the only still life of that size. It is a still
#D life.
#L AA$A.A$.A
