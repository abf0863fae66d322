#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x200
#SPEED 20
#WRAP 0
#D The smallest spaceship of Conway's Life, five cells that glide across
#D the board. Watch it flip and shift through four phases. It travels 1
#D cell diagonally every 4 generations (c/4).
#L .A$..A$3A
