#Plexa 2.0
#GAME 1-D totalistic
#RULE R3,C0,M0,S0,S3,B0,B4
#BOARD 320x200
#SPEED 20
#WRAP 1
#D Range 3 without the cell itself, from a random row: blocks of
#D houses and towers grow out of the noise. The cell itself does
#D not count.
#L AA..A..AA3.AA3.5A3.A.A.AA..A.AA..AA..A3.3A3.A5.AA5.A.A.A.AA.A.AA.A3.AA
#L 4.AA..AA4.A.A.AA..A..5A.A..AA9.A..AA.A.11A4.AA..A.A..A..A.AA.A3.AA.A..
#L A..AA..AA.A.AA.5A.AA.A3.A..AA.3A3.AA..4A.A.A..8A.A3.4A5.AA..A.4A10.A.A
#L .A.AA11.3A3.A.4A3.3A
