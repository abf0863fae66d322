#Plexa 2.0
#GAME Life
#RULE 245/368
#BOARD 300x200
#SPEED 50
#WRAP 1
#D A five-cell spaceship of Move (also called Morley), a rule known
#D for its many small spaceships. It travels 1 cell diagonally
#D every 7 generations (c/7).
#L ..A$.A.A$A$.A
