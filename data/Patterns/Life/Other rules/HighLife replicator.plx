#Plexa 2.0
#GAME Life
#RULE 23/36
#BOARD 400x400
#SPEED 50
#WRAP 0
#D HighLife's replicator: twelve cells that make two copies of
#D themselves every twelve generations, the copies making copies in
#D turn, while the ones that meet destroy each other. Watch the
#D copies spread along a diagonal; now and then only the two
#D outermost are left. At generation 12 it has 24 cells. At
#D generation 96 it has 24 cells.
#L ..3A$.A..A$A3.A$A..A$3A
