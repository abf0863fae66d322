#Plexa 2.0
#GAME 1-D totalistic
#RULE R1,C0,M1,B1
#BOARD 320x200
#SPEED 20
#WRAP 0
#D Each new row is written below the last, so the board shows the
#D history of a row of cells. Under this rule a cell is alive when
#D exactly one of its two neighbours was, and a single cell draws
#D Pascal's triangle of odd numbers, the Sierpinski triangle. At
#D generation 63 it has 729 cells.
#L A
