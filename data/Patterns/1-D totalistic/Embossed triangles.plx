#Plexa 2.0
#GAME 1-D totalistic
#RULE R2,C0,M1,S2,S3,B2,B3,B4
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Range 2 from a random row: triangles of every size, shaded as if
#D embossed into the paper. The row wraps round at its ends.
#L 3A3.A.A3.3A.A..A3.A4.A.A.A.6A.6A.3A.A..4A5.A.AA..AA..A..AA..3A.A..3A3.
#L 4A.A.3A5.AA.A3.AA..A.A.A..A.A.3A5.3A.4A.5A.4A.A3.A.3A.A.AA.A.3A.A3.3A
#L ..3A5.AA..A..AA3.AA.AA3.AA..A.AA.AA.A.4A.AA3.A.A.A3.AA..A.A..3A..4A.AA
#L 3.A.AA..A.A..5A.AA..AA3.AA.A.AA4.A3.4A
