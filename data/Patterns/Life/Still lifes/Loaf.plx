#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x160
#SPEED 200
#WRAP 0
#D Seven cells shaped like a loaf of bread. It is a still life.
#L .AA$A..A$.A.A$..A
