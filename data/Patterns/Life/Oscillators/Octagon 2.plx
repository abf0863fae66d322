#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D An octagonal ring of sixteen cells that folds in and out. Period
#D 5.
#L 3.AA$..A..A$.A4.A$A6.A$A6.A$.A4.A$..A..A$3.AA
