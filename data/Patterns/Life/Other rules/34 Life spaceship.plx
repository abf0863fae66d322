#Plexa 2.0
#GAME Life
#RULE 34/34
#BOARD 300x200
#SPEED 50
#WRAP 1
#D A six-cell spaceship of 34 Life, where a cell survives and is
#D born with three or four neighbours. It travels 1 cell
#D orthogonally every 3 generations (c/3).
#L A$AA$AA$A
