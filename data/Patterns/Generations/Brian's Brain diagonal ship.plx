#Plexa 2.0
#GAME Generations
#RULE /2/3
#BOARD 200x200
#SPEED 20
#WRAP 0
#D A slower ship of Brian's Brain that flies diagonally, up and to
#D the left, like a glider of Life. It travels 1 cell diagonally
#D every 4 generations.
#L ..A$.BAB$A$.B
