#Plexa 2.0
#GAME 1-D totalistic
#RULE R1,C0,M1,B1
#BOARD 320x200
#SPEED 20
#WRAP 1
#D The same rule from a random row on a ring of cells: the rule is
#D additive, so the picture is the sum of the triangles of every
#D starting cell, a tangle of triangles of every size. Compare it
#D with the single cell.
#L AA.A..AA.5A.A.AA3.AA3.A3.3A..A.A4.A.A..4A..AA3.A..4A.8A.A.AA3.AA..A.A.
#L 5A.AA..A3.3A.A3.4A5.A..3A3.A..3A.AA.3A3.6A5.A..A.3A..AA6.AA.3A.A.A4.AA
#L ..A3.A.AA..A..A..AA5.AA.AA.A..AA..A..A.A3.3A..AA.A.A3.A.A3.A..3A.A.A.
#L AA3.A..A.A.4A.AA.5A..A.A.3A3.A4.A.A.AA.A
