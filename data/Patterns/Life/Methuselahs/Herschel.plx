#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D A seven-cell shape named after the planet's symbol; in many guns
#D and conduits it is moved and turned by still lifes. It settles
#D at generation 128 with 24 cells.
#L A$3A$A.A$..A
