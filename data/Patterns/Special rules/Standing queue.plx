#Plexa 2.0
#GAME Special rules
#RULE TRCA,0.1,0.1,0.11,0.05
#BOARD 320x200
#SPEED 20
#WRAP 1
#D A block of 60 cars standing bumper to bumper on an empty ring
#D road. Each row of the board is the road one generation later, so
#D cars drive to the right and time runs downwards. The front cars
#D leave one by one, so the jam dissolves from its front while its
#D back stays put: the block turns into a fan.
#L 60A
