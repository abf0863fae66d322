#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D Five cells, found by John Conway in 1970, that take more than a thousand
#D generations to calm down, throwing off six gliders on the way. It
#D settles at generation 1103 with 116 cells.
#L .AA$AA$.A
