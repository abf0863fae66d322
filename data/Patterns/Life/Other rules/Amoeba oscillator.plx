#Plexa 2.0
#GAME Life
#RULE 1358/357
#BOARD 300x200
#SPEED 100
#WRAP 0
#D A small oscillator of Amoeba found in its soups. Period 16.
#L A$A.AA$A.AA$A.AA$A
