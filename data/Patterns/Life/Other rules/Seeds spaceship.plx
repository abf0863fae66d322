#Plexa 2.0
#GAME Life
#RULE /2
#BOARD 300x200
#SPEED 100
#WRAP 1
#D In Seeds no cell survives, yet these four cells rebuild themselves one
#D cell further every generation: a spaceship at the speed of light. It
#D travels 1 cell orthogonally every 1 generation (c).
#L A$..A$..A$A
