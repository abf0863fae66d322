#Plexa 2.0
#GAME Life
#RULE 012345678/3
#BOARD 400x400
#SPEED 20
#WRAP 0
#D The R-pentomino under Flakes, where no cell ever dies: it grows
#D into a lacy crystal that never shrinks. At generation 200 it has
#D 5972 cells.
#L .AA$AA$.A
