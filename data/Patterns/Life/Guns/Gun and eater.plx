#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 20
#WRAP 0
#D The glider gun with an eater placed across its stream: each
#D glider flies a few cells and is eaten, and the eater repairs
#D itself in time for the next one. Watch the eater flicker every
#D thirty generations. It settles at generation 107 with 69 cells.
#L 24.A$22.A.A$12.AA6.AA12.AA$11.A3.A4.AA12.AA$AA8.A5.A3.AA$AA8.A3.A.AA4.
#L A.A$10.A5.A7.A$11.A3.A$12.AA30$52.AA$52.A.A$54.A$54.AA
