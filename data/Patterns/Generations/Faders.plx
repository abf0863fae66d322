#Plexa 2.0
#GAME Generations
#RULE 2/2/25
#BOARD 240x180
#SPEED 20
#WRAP 1
#PALETTE Fire024
#D A sparse random field under Faders: firing cells survive only
#D with exactly two firing neighbours and die slowly through 23
#D fading states. The sparks leave long glowing trails as they
#D spread.
#L 4.A5.3A..AA..A5.A..A$17.3A$AA4.AA6.A3.AA$4.AA.A3.A10.A.A$10.AA10.A.4A$
#L A.A4.A.A6.A.A$.A11.A8.A$A9.A4.A5.AA.A3.A$A.A4.AA.A9.AA..A$A5.A9.A6.A$
#L 6.A..AA11.A..A$A..A9.A.A3.A8.AA$AA3.A8.AA..A7.A.A$A15.AA..A..A$4.AA3.A
#L 4.3A..A$8.A.A6.A..AA.A4.A$.AA..A9.3A10.A$A3.A..A.A.A5.A.A4.A.A$..A9.4A
#L 4.AA7.A$27.A$5.AA13.A8.A$6.A.A.A.A8.3A3.A$A.A9.A.AA5.A.A.3A$A8.A4.AA7.
#L A$..A9.A7.A3.A.AA$AA3.A..A.A..3A13.A$3.A4.A..A4.A..A5.4A$.AA7.A..A3.AA
#L ..A$8.A4.A..A$6.AA3.A5.A..A4.A
