#Plexa 2.0
#GAME Life
#RULE 23/36
#BOARD 400x400
#SPEED 50
#WRAP 0
#D HighLife's replicator: twelve cells that make two copies of themselves
#D every twelve generations, the copies making copies in turn, while the
#D ones that meet destroy each other. Watch the copies spread along a
#D diagonal; now and then only the two outermost are left. At generation 12
#D it has 24 cells. At generation 96 it has 24 cells.
#L ..3A$.A..A$A3.A$A..A$3A
