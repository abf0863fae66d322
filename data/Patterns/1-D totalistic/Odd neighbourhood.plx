#Plexa 2.0
#GAME 1-D totalistic
#RULE R1,C0,M1,S1,S3,B1
#BOARD 320x200
#SPEED 20
#WRAP 0
#D A cell is alive when an odd number of the three cells above it
#D were alive: the additive rule of three cells, from a single
#D cell. Its triangle is denser than Pascal's and grows at the same
#D speed.
#L A
