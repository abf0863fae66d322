#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 500x400
#SPEED 10
#WRAP 0
#D A gun found by Michael Simkin in 2015, four times slower than
#D Gosper's. Watch the reaction in its middle run through its long
#D cycle between the blocks. It emits a glider every 120
#D generations.
#L AA5.AA$AA5.AA$$4.AA$4.AA5$22.AA.AA$21.A5.A$21.A6.A..AA$21.3A3.A3.AA$
#L 26.A4$20.AA$20.A$21.3A$23.A
