#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D Seven cells named after William Herschel, for their likeness to
#D the symbol of the planet he found; many guns move and turn
#D herschels. It settles at generation 128 with 24 cells.
#L A$3A$A.A$..A
