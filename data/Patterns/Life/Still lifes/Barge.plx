#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x160
#SPEED 200
#WRAP 0
#D A tub stretched along a diagonal. It is a still life.
#L .A$A.A$.A.A$..A
