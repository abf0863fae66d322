#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 800x800
#SPEED 0
#WRAP 0
#D Four cells that become four blinkers known as the traffic light.
#D It settles at generation 9 with 12 cells.
#L 3A$.A
