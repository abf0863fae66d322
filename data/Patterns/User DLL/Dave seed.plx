#Plexa 2.0
#GAME User DLL
#RULE Dave
#BOARD 240x240
#SPEED 20
#WRAP 0
#PALETTE Rainbow008
#D A single state-1 cell beside a state-2 cell under Dave. The
#D state-2 cell changes how the diamond grows.
#L AB
