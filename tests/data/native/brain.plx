#Plexa 2.0
#GAME Generations
#RULE /2/3
#BOARD 400x300
#SPEED 50
#WRAP 1
#CCOLORS 3
#D Brain rule: cells in state B are dying.
#D 
#D   Two gliders meet below.
#L BB3.BB$AA3.AA$$..A.A$.B3.B
