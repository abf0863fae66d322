#Plexa 2.0
#GAME Special rules
#RULE TRCA,0.1,0.1,0.11,0.05
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Eight platoons of six cars, bumper to bumper and evenly spaced
#D on a ring road. Each row of the board is the road one generation
#D later, so cars drive to the right and time runs downwards. Each
#D platoon frays from its front as its first cars pull away, and
#D the cars that left catch up with the back of the next platoon:
#D some platoons stand for a hundred generations and more.
#L 6A34.6A34.6A34.6A34.6A34.6A34.6A34.6A
