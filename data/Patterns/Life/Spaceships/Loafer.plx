#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 20
#WRAP 1
#D The loafer, found in 2013, crawls along at a seventh of the
#D speed of light. It travels 1 cell orthogonally every 7
#D generations (c/7).
#L .AA..A.AA$A..A..AA$.A.A$..A$8.A$6.3A$5.A$6.A$7.AA
