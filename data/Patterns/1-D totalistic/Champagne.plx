#Plexa 2.0
#GAME 1-D totalistic
#RULE R3,C0,M1,S3,S6,S7,S8,S9,S12,S13,B0,B1
#BOARD 320x200
#SPEED 20
#WRAP 0
#D Range 3 from a single cell: bubbles rise and spread like
#D champagne poured into a glass. The picture stays symmetric.
#L A
