#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D Seven cells that vanish completely after a long life, believed
#D to be the longest for so few cells that die. It dies out at
#D generation 130.
#L 6.A$AA$.A3.3A
