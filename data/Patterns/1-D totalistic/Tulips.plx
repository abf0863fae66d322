#Plexa 2.0
#GAME 1-D totalistic
#RULE R10,C0,M1,S0,S3,S6,S10,S11,S14,S15,S16,S17,S18,S19,S20,S21,B1,B11,B12,B17,B18,B19,B20,B21
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Range 10 from a random row: a field of tulips, each a stalk with
#D a flower on top. Each cell looks ten cells each way.
#L A..AA..A3.A..A4.AA3.A..3A.A7.A3.A5.AA6.A5.3A4.AA4.A4.AA19.AA..A..A.A..
#L A11.A3.A8.AA.A3.A4.AA7.A18.A3.A13.A.A..A.A6.A4.A3.AA..3A4.A13.3A..A7.A
#L 3.A4.AA.A.A.A..A3.A5.3A6.A4.A14.AA
