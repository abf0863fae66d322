#Plexa 2.0
#GAME Life
#RULE 34678/3678
#BOARD 300x200
#SPEED 100
#WRAP 0
#D An oscillator of Day & Night found in its soups. Period 13.
#L .A$4A$.A.A$.4A$3.A
