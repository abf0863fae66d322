#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D A small oscillator whose middle turns like the hand of a clock.
#D Period 2.
#L ..A$A.A$.A.A$.A
