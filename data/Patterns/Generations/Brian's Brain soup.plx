#Plexa 2.0
#GAME Generations
#RULE /2/3
#BOARD 240x180
#SPEED 10
#WRAP 1
#PALETTE Standard
#D A random square under Brian's Brain on a wrapped board. It boils
#D over at once and never calms down; watch the debris organise
#D into ships that fly off in the four directions, and rakes that
#D leave trails behind them.
#L .A..A4.A3.A..A3.AA3.A3.A.AA..AA..A$..A.A4.A..A3.A..A.A.A.AA3.A.A6.A$3A
#L 5.A.AA.AA..3A..A..AA6.A.A$.A4.A5.A.A..A5.AA3.A.A..A..A..A$9.5A..AA6.A
#L 3.A7.AA$..3A4.A.A.AA.4A4.A5.AA3.A.A$..AA.A..AA.A..A3.4A.A5.A.A.A$..AA
#L 3.A8.AA3.A.AA.AA..A.A.A4.A$5.A.A.3A.A7.AA.AA4.3A..A3.A$AA7.A.A.A4.A3.A
#L .A..A4.AA$A7.A4.A3.A6.A.A3.A4.AA$.A8.AA..A3.AA.A.A5.3A..AA$AA.3A..A.3A
#L 5.A3.AA3.AA.AA.A5.A$5.A.A.AA.5A..A8.A3.3A..3A$A7.A4.AA.AA.AA.3A5.3A4.A
#L $A..AA3.A..A4.AA.A.A.AA.AA.3A..AA3.A$A.AA..3A.A.A.A.A5.A..A.A..3A.A$4.
#L AA.A.AA.A..AA6.A6.A..AA.A.A$3.A.A5.AA..A.A..A4.A3.AA.AA.A$.A..A4.A.A.
#L 3A3.AA4.A.A..A..A.AA..A$.A.A4.3A8.A.A.6A.A..3A..AA$.A.A4.3A..A.A.A.A.A
#L ..AA.AA3.A4.A$AA6.A12.3A5.A..AA3.A$AA..A4.A.A.A5.AA..A3.AA.A..A5.A$3.A
#L 5.AA7.A.A6.A4.AA..A$AA..A.A..A..A7.AA3.A5.A6.A$.A.AA3.AA.A3.A3.A5.A5.A
#L 3.A.A$6.AA.3A..A..A3.A8.A3.A.AA$4.A6.A.A5.A4.A4.AA6.AA$AA7.A.A.A..A.A
#L ..A..A.AA9.A.A$.A..AA6.A4.A4.AA..5A5.A$..AA..AA4.A.A..A..A3.A3.A.3A5.
#L AA$A9.A3.AA4.4A.A.A..AA.AA3.A$A.A.5A3.AA.A..A.AA.AA..A.A6.3A$.AA.A.A4.
#L A3.AA4.AA.4A4.AA..A$.A..A..AA.AA.3A4.A6.A..A3.A$..A9.A..A.A7.A..A3.A..
#L A..A$3A5.3A4.AA.A.AA7.A.A3.A.A$8.A.A3.A.A4.AA.A.AA11.A$A..A.A.AA5.A6.
#L AA.4A.A4.AA3.A
