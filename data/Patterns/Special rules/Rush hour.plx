#Plexa 2.0
#GAME Special rules
#RULE TRCA,0.1,0.1,0.11,0.05
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Three quarters of the ring road taken by cars. Each row of the
#D board is the road one generation later, so cars drive to the
#D right and time runs downwards. The road is one long jam in which
#D the gaps travel backwards, one cell a generation as the car
#D behind each gap moves into it.
#L AA.AA..4A.A.A.8A.A3.5A.3A.3A.AA.AA.AA.AA.A.4A.A.A.A.8A.3A.5A.AA.AA.3A.
#L 4A.5A..4A.9A.A3.4A3.A.A.6A.12A.6A.AA..9A..3A.5A..3A.A.5A.A..A.AA.7A.AA
#L .10A.3A.3A.10A.3A.4A..AA.3A.4A.AA..AA.A.A3.6A.5A.4A.AA3.4A3.AA
