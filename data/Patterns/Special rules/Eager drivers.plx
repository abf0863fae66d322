#Plexa 2.0
#GAME Special rules
#RULE TRCA,0,0,1,1
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Every car moves whenever the cell ahead is free, the
#D deterministic traffic rule. Each row of the board is the road
#D one generation later, so cars drive to the right and time runs
#D downwards. Below half density every jam dissolves and the
#D traffic flows freely for ever; this road is at 40 percent.
#L A..AA3.A3.3A.A.AA.A.A.A..AA.A5.A..3A..A..AA.5A.AA.A.AA..A4.A.A.3A.A.A.
#L A..A.A.3A3.A.A..AA3.A..A.A.5A3.AA3.AA.A4.3A..A.AA.AA..A..A3.3A.A.A.AA
#L 4.AA.AA3.AA.4A5.3A3.AA3.A6.3A.A.AA4.A.A.A.A.A3.A3.A.A4.A.A3.AA..AA.A..
#L A5.A4.A6.A4.A3.3A..A..3A4.AA4.AA.3A4.A
