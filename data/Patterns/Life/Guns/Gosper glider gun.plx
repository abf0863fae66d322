#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 400x300
#SPEED 20
#WRAP 0
#D The first gun ever found, by Bill Gosper in 1970: two queen bee
#D shuttles between blocks, whose collisions send off a stream of
#D gliders. It proved that a pattern can grow without bound. It
#D emits a glider every 30 generations.
#L 24.A$22.A.A$12.AA6.AA12.AA$11.A3.A4.AA12.AA$AA8.A5.A3.AA$AA8.A3.A.AA4.
#L A.A$10.A5.A7.A$11.A3.A$12.AA
