#Plexa 2.0
#GAME Generations
#RULE 23/23/8
#BOARD 240x180
#SPEED 20
#WRAP 1
#PALETTE Standard
#D A random square under BelZhab, named after the
#D Belousov-Zhabotinsky reaction. Waves of firing cells with their
#D fading backs spread out, collide and annihilate, and curl into
#D spirals where a wave is broken.
#L .A.A.3A..AA3.A5.A6.A10.A6.A.A$.AA6.A..A..AA.A5.AA..A.A8.A..A5.AA$.A9.A
#L .A.A4.A8.A5.A.AA8.3A$..AA.AA..4A.A6.A..AA.A3.A7.AA3.A3.A$A..A5.AA9.A3.
#L A..A7.A3.AA6.A$.3A..A5.A.A4.A5.A..A7.AA3.A$A8.A5.3A.A3.AA.A.A.A.A4.4A
#L 4.3A$3.A3.3A5.A.AA4.A4.AA.AA$4.A.4A..AA4.A..A.A..3A.A..AA4.AA3.A..A$A
#L 10.AA.A..A6.AA.A..AA..A.A..A..A.A$3.3A..3A..AA11.A5.A7.A.A.5A$5.A5.A..
#L A..A3.A5.AA3.AA.A4.A4.A3.A$6.A4.A..A.A..A3.AA..AA4.AA4.A8.A$20.A.A3.A
#L ..AA..A8.AA.A$10.AA..A5.A7.A3.A3.AA.A..A..A$A7.A..A7.3A.3A3.A..A7.A..A
#L ..A.A$A..A.A.A..A3.A3.A5.A..AA.A.A7.A.A.AA..A$5.AA..A.A.A..A8.A5.A.A4.
#L A.A.A.AA3.A$3.A6.A3.A6.AA3.A5.A..A..A.A3.A.A.AA$.A5.AA.AA4.A..A.AA..A.
#L A.A.AA4.AA.A4.A.A$A.A6.A3.3A.A9.AA7.A6.A..AA.A$..A.A4.A.AA6.A3.A5.AA4.
#L A.AA..3A4.AA$4.A6.AA..A.A..4A9.A3.A.AA8.A$3.A..A.A5.A5.A3.A3.AA.A6.A..
#L A.A.A.A$AA..A3.A.A..A..A.A..AA3.A3.A4.AA4.AA..A$A4.A.7A..A8.AA.A11.AA.
#L A.A.A$..A3.A.3A4.A4.A..A.AA5.A..A8.A.A$A.A.AA..3A.A4.A4.A5.AA8.AA3.A5.
#L A$6.A3.A.A7.A.A.AA..A7.3A..3A4.A$A.A4.A15.AA5.A7.A..A..A$A4.A7.A5.A9.A
#L ..A7.AA4.A$4.AA11.A6.A..A..AA8.A3.AA3.A$A7.A4.A3.A..A.A..A.AA.AA.AA8.A
#L 4.AA$A.AA5.A3.A.A3.A.A6.A4.A3.A4.A$..AA.A5.A4.AA..A.A3.A4.A..3A9.3A$4.
#L A3.A4.A.AA.A..AA.AA.AA..A.A7.A3.A3.A$5.AA.A.A4.A..A.AA.A.A6.AA6.A.AA$A
#L ..4A.A..A..A..A4.A..A3.A.A.A..A.A.AA.AA.A..A$AA.A5.A.A.AA.A.A.A.A3.A3.
#L A4.A..A..A.A.A$A23.3A.A7.AA3.A..A..3A$..A3.AA5.AA.AA.A.3A7.A..A..A6.3A
#L $4.3A.A.A8.AA5.A.A..AA4.AA7.AA$A..A..AA8.AA..A.A.3A8.A.A3.A..A3.AA$A4.
#L A5.A.A.A5.AA3.AA.AA..A.A..A9.A$3A.A4.A.3A3.A3.A.A..3A3.AA.AA3.A.AA3.3A
#L $A.A5.3A..AA9.A..A..AA8.A$..AA3.A.A3.AA3.A11.A7.A.A..A$.A4.A..A..AA4.A
#L .A..A4.A.A4.A.A.A.A.4A$8.A6.AA.AA7.A4.A3.AA..A.3A3.A$4.A7.A..A.A.A..AA
#L .A..A3.A3.AA8.A
