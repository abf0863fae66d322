#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 50
#WRAP 1
#D The smallest spaceship of Conway's Life: five cells that glide
#D across the board through four phases, two of them mirror images
#D of the other two. On this wrapping board it flies around for
#D ever. It travels 1 cell diagonally every 4 generations (c/4).
#L .A$..A$3A
