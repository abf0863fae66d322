#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 20
#WRAP 1
#D The copperhead, found only in 2016: a small and very slow
#D spaceship that puffs out and pulls in its sides as it moves. It
#D travels 1 cell orthogonally every 10 generations (c/10).
#L .AA..AA$3.AA$3.AA$A.A..A.A$A6.A$$A6.A$.AA..AA$..4A$$3.AA$3.AA
