#Plexa 2.0
#GAME Rules table
#RULE 1,0,1,0,0,15,15,0,0,0,0,0,0,0,0,0,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,5,0,0,0,0,0,0,6,6,0,6,6,6,6,6,6,0,0,0,0,7,0,0,0,0,0,0,8,8,6,8,8,8,8,8,8,0,0,0,0,9,0,0,0,0,0,0,2,2,8,2,2,2,2,2,2,0,0,0,0,11,0,0,0,0,0,0,4,4,10,4,4,4,4,4,4,0,0,0,0,13,0,0,0,0,0,0,14,14,12,14,14,14,14,14,14,0,0,0,0,15,0,0,0,0,0,0,10,10,14,10,10,10,10,10,10,0,12,12,0,15,12,12,12,12,12
#BOARD 240x160
#SPEED 20
#WRAP 0
#D A burning stick of the Fire sticks table, a two-cell-high flame
#D that runs to the right in one colour band after another. It
#D travels 1 cell orthogonally every 1 generation.
#L BHFDJNLLO$BHFDJNLLO
