#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 1000x1000
#SPEED 0
#WRAP 0
#D The smallest pattern known to grow for ever: ten cells that
#D become a switch engine, a puffer that moves diagonally and
#D leaves a trail of blocks. Its population grows by 32 cells every
#D 288 generations.
#L 6.A$4.A.AA$4.A.A$4.A$..A$A.A
