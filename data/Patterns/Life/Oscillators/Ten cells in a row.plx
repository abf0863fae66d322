#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D A row of ten cells that becomes the pentadecathlon after a few
#D generations, so its population repeats every fifteen
#D generations. It settles at generation 2 with 18 cells.
#L 10A
