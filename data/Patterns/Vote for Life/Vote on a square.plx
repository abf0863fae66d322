#Plexa 2.0
#GAME Vote for Life
#RULE 56789
#BOARD 160x160
#SPEED 20
#WRAP 0
#D A square with a noisy rim under the majority vote: the noise is
#D voted away. The square is left with slightly rounded corners. It
#D settles at generation 9 with 2871 cells.
#L A.A.AA4.3A.A.AA6.3A.3A.A..A.A.4A..A.4A5.A$..AA.A.A..3A5.5A3.AA..A.AA.
#L AA..A.A.A.3A..3A..A3.A$A..AA.3A.A.A..A.A.3A3.3A..A3.A.A.A4.A4.A..4A$.
#L AA.AA.3A..A..5A4.A4.A..AA..AA..A5.A..AA..AA.A$6.A.A.4A.3A3.A4.A.A.A..
#L 3A.AA.A..A.A..A3.AA..A.AA$AA3.3A.AA.A..3A3.A..3A.4A4.A5.4A.6A5.AA$A.A
#L ..50A.AA$A5.50A.A.A$..3A.48A.AA.AA$AA.AA.49A..AA$.A4.52A.A$..AA.52A$
#L 55A.A$..AA.49A5.A$4.50A3.A.A$3A..49A4.A$5A.48A.A..AA$A.AA..49A..A.A$6.
#L 48A.3A$.A..A.50A..AA$.4A.48A.A..A$AA.51A..A.AA$AA4.48A..A.A$A..AA.50A.
#L 3A$.3A..49A4.A$.3A.50A.AA.A$..A.50A.5A$A.AA..48A.5A$A.A3.48A.A.A.A$4.
#L 50A.3A.A$..AA..48A..AA.A$.A.52A3.A$..52A3.A.A$3.A.52A..A$..A..50A.A.A$
#L ..A.50A..AA.A$A.52A..3A$6.49A.4A$..52A.A$A..A.49A.A.AA$.A.A.50A.AA$54A
#L .AA.A$.3A.49A5.A$A5.49A.AA$.A..A.50A$..A3.54A$A.A.53A.A$.A.A..52A.A$.A
#L .A.49A.A..A$.3A..48A.A.3A$.A3.50A.AA.A$AA.AA.49A.AA$..52A.3A.A$A3.A.
#L 48A..AA$.AA..A..A.AA.A..A3.5A.A.A..AA.AA3.5A..3A4.A..AA$..AA..A.A..A.
#L 3A8.4A.A5.A4.A4.AA.AA4.4A$6.A5.5A3.A..AA.AA.A3.A.4A4.A.AA..A$AA.AA3.4A
#L ..AA.AA..A.6A..A.A.3A3.A..6A.3A.A$.AA..3A.A..A.A4.A.A4.A.AA4.6A..A..A.
#L A.A..A.A.AA.A$6A.A3.A.A..A3.A4.A.AA3.A3.8A.7A.A.AA..A
