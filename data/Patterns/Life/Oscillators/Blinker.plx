#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D The smallest and most common oscillator: a row of three cells
#D that turns into a column and back. Period 2.
#L 3A
