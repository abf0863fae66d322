#Plexa 2.0
#GAME Generations
#RULE /2/3
#BOARD 200x200
#SPEED 20
#WRAP 0
#D The commonest spaceship of Brian's Brain: two firing cells
#D (yellow) pulled along by the two refractory cells behind them. A
#D firing cell fires only once and must rest, so everything in this
#D rule moves. It travels 1 cell orthogonally every 1 generation.
#L BB$AA
