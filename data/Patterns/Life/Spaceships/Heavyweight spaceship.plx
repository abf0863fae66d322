#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 50
#WRAP 1
#D The heavyweight spaceship (HWSS), the longest of the three
#D classic ships: a longer one of the same kind breaks apart. It
#D travels 2 cells orthogonally every 4 generations (c/2).
#L 3.AA$.A4.A$A$A5.A$6A
