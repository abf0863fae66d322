#Plexa 2.0
#GAME Life
#RULE 125/36
#BOARD 300x200
#SPEED 100
#WRAP 0
#D An oscillator of the 2x2 rule, which often keeps patterns built
#D of two by two blocks. Period 10.
#L .AA.AA$A5.A$7A$A5.A$.AA.AA
