#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D Two blocks touching at a corner; the two inner corner cells
#D blink on and off. Period 2.
#L AA$AA$..AA$..AA
