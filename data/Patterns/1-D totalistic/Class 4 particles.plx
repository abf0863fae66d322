#Plexa 2.0
#GAME 1-D totalistic
#RULE R2,C0,M1,S1,S3,B2,B3,B4
#BOARD 320x300
#SPEED 10
#WRAP 1
#D Range 2 from a random row: a complex rule whose random start
#D breaks into particles moving left and right through a quiet
#D background; watch them collide. Some collisions make new
#D particles.
#L A.AA.3A.A3.3A..3A4.3A.AA3.AA.AA.AA.4A4.AA.AA.5A..4A5.AA.5A.3A.AA.A.4A
#L 6.A.A..A.A..A..4A3.A4.3A.3A.3A.AA.AA..A.4A.3A..AA4.A4.AA.AA3.AA..3A4.A
#L ..A..AA4.A.A.A3.A..3A..A.AA.A.A..AA.6A..A9.3A.A.6A..AA.AA..AA.AA.A.A7.
#L 5A.AA..3A3.A.AA..A..AA..A..3A
