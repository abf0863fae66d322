#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x160
#SPEED 200
#WRAP 0
#D The boat with one more cell at its stern. It is a still life.
#L AA$A.A$.AA
