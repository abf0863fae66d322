#Plexa 2.0
#GAME 1-D totalistic
#RULE R2,C10,M1,S0,S1,B0,B3
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Range 2 with ten states, from a random row: beads of colour
#D slide along the wires of an abacus. Older cells have darker
#D colours.
#L AA..AA..A..A.A..A..AA.A.AA.A..AA..A.AA.3A.AA.7A.A..A..A.A.A..3A..A..A
#L ..A.A4.A.A..A.AA.3A.A4.4A3.A..AA.A..A.AA..A.A3.AA.A.4A.A3.A6.A..A.A.A.
#L AA.A.A3.A.4A.A..A..3A.5A.AA.A.AA.A..A..A.3A.A.4A.A.4A..AA..AA.A..A.3A.
#L 5A.A4.A5.A..3A.5A.A.A4.A.AA..A..A.A3.A..A..A4.A..A5.AA
