#Plexa 2.0
#GAME Rules table
#RULE 1,0,0,0,0,0,1,0,0,0,0,0,0,0,0,1,1
#BOARD 200x200
#SPEED 20
#WRAP 0
#D Conway's Life written as a table: a dead cell with 3 live
#D neighbours gets state 1, a live cell with 2 or 3 keeps it. The
#D glider flies as in Life. It travels 1 cell diagonally every 4
#D generations.
#L 3A$..A$.A
