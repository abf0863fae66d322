#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 50
#WRAP 1
#D Four gliders in a square formation, all flying the same way.
#D Each glider's cells repeat every four generations, and so does
#D the whole fleet. It travels 1 cell diagonally every 4
#D generations (c/4).
#L .A8.A$..A8.A$3A6.3A7$.A8.A$..A8.A$3A6.3A
