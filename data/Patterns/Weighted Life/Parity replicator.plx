#Plexa 2.0
#GAME Weighted Life
#RULE NW0,NN1,NE0,WW1,ME1,EE1,SW0,SS1,SE0,HI0,RS1,RS3,RS5,RB1,RB3,RB5
#BOARD 260x260
#SPEED 20
#WRAP 0
#D Under Parity a cell is alive exactly when an odd number of
#D itself and its four orthogonal neighbours are alive. That rule
#D is linear, so any start comes back as five copies of itself:
#D this letter P is five letters at generation 16, and five again,
#D farther apart, at generation 64. At generation 16 it has 50
#D cells.
#L 3A$A.A$3A$A$A
