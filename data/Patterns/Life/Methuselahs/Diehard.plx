#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D Seven cells that vanish completely after a long life, the
#D longest known for so few cells. It dies out at generation 130.
#L 6.A$AA$.A3.3A
