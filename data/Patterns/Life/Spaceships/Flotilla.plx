#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 50
#WRAP 1
#D A lightweight, a middleweight and a heavyweight spaceship flying
#D side by side, far enough apart not to touch. They keep formation
#D because all three share one speed. It travels 2 cells
#D orthogonally every 4 generations (c/2).
#L .A..A$A$A3.A$4A7$3.A$.A3.A$A$A4.A$5A6$3.AA$.A4.A$A$A5.A$6A
