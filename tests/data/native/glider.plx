#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x200
#WRAP 0
#D The smallest spaceship.
#D It moves one cell diagonally every four generations.
#L .A$..A$3A
