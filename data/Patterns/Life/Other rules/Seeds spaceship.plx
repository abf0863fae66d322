#Plexa 2.0
#GAME Life
#RULE /2
#BOARD 300x200
#SPEED 100
#WRAP 1
#D In Seeds no cell survives, yet these four cells rebuild
#D themselves one cell further every generation: a spaceship at the
#D speed of light. It travels 1 cell orthogonally every 1
#D generation (c).
#L A$..A$..A$A
