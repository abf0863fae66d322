#Plexa 2.0
#GAME Life
#RULE 238/357
#BOARD 300x200
#SPEED 100
#WRAP 0
#D An oscillator of Pseudo life, a rule that looks like Conway's
#D Life but breaks most of its patterns. Period 8.
#L .AA.AA$A5.A$.AA.AA
