#Plexa 2.0
#GAME Life
#RULE 4567/345
#BOARD 300x300
#SPEED 50
#WRAP 0
#D A small random field under Assimilation grows into diamonds that
#D take in the cells around them and come to rest. At generation
#D 100 it has 1206 cells.
#L 4A.A.A.A3.4A4.AA$A..A3.4A..AA7.A3.A.AA$.4A.A..A..6A.A4.4A$AA3.A.A3.A3.
#L A5.AA.A.A.A$.A3.A..AA3.A4.3A3.A.A$.AA..3A.A.AA5.AA.A.A$A.A3.A3.A.3A$.A
#L .3A.A..AA.4A3.A.A.A.AA.A$AA8.AA.A..AA.A.AA..AA..A$.A..A..3A4.A.A.A.A.A
#L ..A.3A$3.4A.6A3.A..AA..A$AA.A5.A4.AA.AA.A.A..AA.AA$.A.A..AA.AA.3A.A..
#L 3A4.A.A$A..AA..A..A.AA.A..A4.A3.A$3A.A.A.A..A..4A5.A3.3A$.AA4.A6.A8.AA
#L .A$.A..A.A.A3.AA.3A..A..AA..3A$AA4.A.A.A.A5.A3.A3.AA$..A..3A3.AA..A..
#L 3A.3A.A..A$A3.A4.AA3.A..AA3.A..A.A.A$5A.A..A.A.3A.A.6A3.AA$..A..A.A.A.
#L A.A.AA.A4.AA..A.A$A.A3.A..AA4.6A.A3.AA$..A7.A.A..AA..A..A3.AA$A.A.3A.
#L AA..A.AA.A3.A.A..A.AA$A..A4.A.3A..3A.A.A3.AA$..AA.A.AA6.A4.A4.3A.A$3.
#L 3A.A.3A..A3.AA.AA.A.A$.AA3.3A..3A.A.A4.A.AA.A.A$4A5.A.AA3.AA5.3A.AA
