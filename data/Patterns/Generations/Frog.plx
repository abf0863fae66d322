#Plexa 2.0
#GAME Generations
#RULE 12/34/3
#BOARD 200x200
#SPEED 20
#WRAP 0
#D A frog of the Frogs rule hops upwards: it changes shape in every
#D generation and comes back whole five generations later, one cell
#D higher. It travels 1 cell orthogonally every 5 generations.
#L A..A$A..A$.AA
