#Plexa 2.0
#GAME User DLL
#RULE Dave
#BOARD 240x240
#SPEED 20
#WRAP 0
#PALETTE Rainbow008
#D A line of 21 state-1 cells under Dave. It grows into a wide
#D diamond.
#L 21A
