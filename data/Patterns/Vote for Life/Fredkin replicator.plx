#Plexa 2.0
#GAME Vote for Life
#RULE 13579
#BOARD 260x260
#SPEED 20
#WRAP 0
#D Fredkin's rule: a cell is alive when an odd number of the 9
#D cells of its block are. The rule is linear, so every start comes
#D back as nine copies of itself: this small glider shape is nine
#D gliders at generation 8, and nine again, farther apart, at
#D generation 64. At generation 8 it has 45 cells.
#L .A$..A$3A
