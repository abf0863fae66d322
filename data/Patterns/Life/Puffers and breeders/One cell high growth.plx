#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 1000x1000
#SPEED 0
#WRAP 0
#D Twenty-eight live cells in one row that grow for ever: the row
#D breaks up into two block-laying switch engines flying apart. At
#D generation 1000 it has 536 cells.
#L 8A.5A3.3A6.7A.5A
