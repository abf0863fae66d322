#Plexa 2.0
#GAME Life
#RULE 125/36
#BOARD 300x200
#SPEED 50
#WRAP 1
#D A small spaceship of the 2x2 rule. It travels 1 cell diagonally
#D every 8 generations (c/8).
#L 3.A$A..A$.A.A$$.A
