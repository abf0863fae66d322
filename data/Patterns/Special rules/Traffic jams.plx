#Plexa 2.0
#GAME Special rules
#RULE TRCA,0.1,0.1,0.11,0.05
#BOARD 320x200
#SPEED 20
#WRAP 1
#D The same ring road with about half of the cells taken by cars.
#D Each row of the board is the road one generation later, so cars
#D drive to the right and time runs downwards. Jams form out of
#D nothing and creep backwards against the traffic as solid bands,
#D while the cars themselves move on.
#L 3A.A4.A..3A.5A7.A.6A..A4.4A..A5.A.AA..A..A3.A.4A4.A6.A.A.A4.A.A.3A.3A
#L 4.A..A4.A..3A..A.AA..AA.A4.AA..A3.AA..AA4.AA.A.A5.AA3.4A.4A.A3.A..AA.
#L 3A4.A.AA3.A.A4.A..3A5.A5.A.A.A4.A.A3.A4.3A3.3A.A4.AA3.AA..3A.3A.A.AA.
#L 4A.AA4.A.A4.A..A.A..A..AA
