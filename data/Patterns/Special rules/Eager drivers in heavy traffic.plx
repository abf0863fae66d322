#Plexa 2.0
#GAME Special rules
#RULE TRCA,0,0,1,1
#BOARD 320x200
#SPEED 20
#WRAP 1
#D The deterministic traffic rule above half density: Each row of
#D the board is the road one generation later, so cars drive to the
#D right and time runs downwards. The jams can never dissolve; they
#D settle into waves that run backwards at the speed of the cars.
#L 4A.6A..5A..A.A.4A..5A.AA.AA..AA.AA..A.AA.5A.A.AA.A.AA3.9A..AA.A.AA.8A.
#L A3.AA.3A.A.5A..AA.6A.A.AA.AA.A3.3A.6A..9A..AA.AA.6A6.A.A.A.AA.9A.3A.3A
#L .A.4A..3A.3A.A.AA.3A..3A.A.7A..A3.A.A.AA5.3A3.7A.AA.AA..4A3.A.5A3.3A3.
#L 3A.A.AA
