#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D Two offset rows of three cells that push out and pull in again.
#D It is the second most common oscillator of random starts. Period
#D 2.
#L .3A$3A
