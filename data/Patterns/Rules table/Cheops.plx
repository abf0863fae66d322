#Plexa 2.0
#GAME Rules table
#RULE 1,0,0,0,4,1,9,8,0,0,0,0,0,5,0,9,7,0,6,0,9,8,0,8,0,0,0,0,0,0,0,0,0,0,0,2,0,0,6,0,0,4,0,3,0,0,0,3,0,1,0,0,0,4,0,3,0,9,0,6,1,0,0,0,5,0,0,0,0,4,1,0,0,2,7,0,2,6,3,8,4,6,0,1,0,0,0,0,0,0,0,0,0,0,0,0,6,7,0,8,5,3
#BOARD 240x240
#SPEED 20
#WRAP 0
#PALETTE Contrast024
#D A small seed under the Cheops table grows into a stepped
#D structure like a pyramid seen from above. It never stops
#D growing.
#L AB$BA
