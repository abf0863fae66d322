#Plexa 2.0
#GAME Vote for Life
#RULE 1358
#BOARD 240x240
#SPEED 20
#WRAP 0
#D A small cross under Feux: it burns outwards in a square, leaving
#D a flickering carpet behind. Feux is French for fires.
#L .A$3A$.A
