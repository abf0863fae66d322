#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D A row of three above a column of three grows into a symmetric
#D pattern before it comes to rest. At generation 250 it has 46
#D cells.
#L 3A$$.A$.A$.A
