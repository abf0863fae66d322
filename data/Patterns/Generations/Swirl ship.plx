#Plexa 2.0
#GAME Generations
#RULE 23/34/8
#BOARD 240x160
#SPEED 20
#WRAP 0
#D A large ship of Swirl, eight states deep: it swirls through a
#D cycle of twelve shapes while sliding to the left, fading in
#D orange and red behind. It travels 6 cells orthogonally every 12
#D generations.
#L ..3A$..AADB$AADD.C$ABDF$ABAFF.E$.AACCFD$3.ACB$4.A
