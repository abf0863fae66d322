#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D Five cells, found by John Conway in 1970, that take more than a
#D thousand generations to calm down, throwing off six gliders on
#D the way. It settles at generation 1103 with 116 cells.
#L .AA$AA$.A
