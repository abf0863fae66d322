#Plexa 2.0
#GAME Life
#RULE 5/345
#BOARD 300x200
#SPEED 100
#WRAP 0
#D An oscillator of Long life, where a cell survives only with
#D exactly five neighbours. Period 6.
#L ..A.A$A3.A$A5.A$A3.A$..A.A
