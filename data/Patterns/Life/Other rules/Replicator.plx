#Plexa 2.0
#GAME Life
#RULE 1357/1357
#BOARD 300x300
#SPEED 200
#WRAP 0
#D Fredkin's parity rule on the eight neighbours copies every
#D pattern: after 4, 8, 16 ... generations eight copies of the
#D start stand around an empty middle. At generation 16 it has 56
#D cells.
#L .AA$A..A$A.A$.A
