#Plexa 2.0
#GAME Rules table
#RULE 1,0,1,0,0,15,0,0,0,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4,4,8,4,4,4,4,4,4,0,5,5,5,5,5,7,7,9,11,0,2,2,2,2,2,2,2,2,2,0,5,5,5,5,5,13,13,9,11,0,8,8,10,8,8,8,8,8,8,0,2,2,2,2,2,9,13,9,11,0,10,10,0,10,10,10,10,10,10,0,14,14,14,14,14,14,14,14,11,0,12,12,4,12,12,12,12,12,12,0,6,6,6,6,13,13,13,9,11,0,14,14,14,12,14,14,14,14,14,0,2,2,2,2,2,2,2,2,2
#BOARD 240x180
#SPEED 20
#WRAP 1
#PALETTE Contrast024
#D A random square under the Balloons table: rings inflate like
#D balloons, burst. Their fragments inflate again until the board
#D is full.
#L .OBB3.B..O.O.O.A.AB$AA4.O.B3.O6.A$5.O9.AA.BB$12.OOBA$.B.A..A..A.A7.B$
#L 6.O3.O.OBB4.B$.BA6.OAO4.O$O4.A4.O4.OAOO$..O..O..A..O3.B.O$B.A..O.AB6.A
#L B..B$12.A3.O.B$9.AB.AA..OAA$.BA.O9.AA.BBO$.A.O7.O3.O$.B..BB3.AO.BO..B$
#L .O..A.BO..O.OB.A$5.BOA.O3.AB..BBO$5.O..AOO.O..B$7.B..B..B4.OO$B.A.B7.
#L AA
