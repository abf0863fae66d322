#Plexa 2.0
#GAME Life
#RULE 23/3
#D The smallest spaceship.
#L .A$..A$3A
