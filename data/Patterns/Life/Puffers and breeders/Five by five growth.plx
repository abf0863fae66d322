#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 1000x1000
#SPEED 0
#WRAP 0
#D A five by five square that also becomes a block-laying switch
#D engine after its first debris settles. At generation 1000 it has
#D 203 cells.
#L 3A.A$A$3.AA$.AA.A$A.A.A
