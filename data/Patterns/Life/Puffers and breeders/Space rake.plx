#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 600x400
#SPEED 0
#WRAP 0
#D A rake: a puffer escorted by two lightweight spaceships that
#D moves at half the speed of light and leaves a stream of gliders
#D behind. It emits a glider every 20 generations.
#L 11.AA5.4A$9.AA.AA3.A3.A$9.4A8.A$10.AA5.A..A$$8.A$7.AA8.AA$6.A9.A..A$7.
#L 5A4.A..A$8.4A3.AA.AA$11.A4.AA4$18.4A$A..A13.A3.A$4.A16.A$A3.A12.A..A$.
#L 4A
