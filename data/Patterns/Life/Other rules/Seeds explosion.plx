#Plexa 2.0
#GAME Life
#RULE /2
#BOARD 300x200
#SPEED 50
#WRAP 0
#D Three cells in an L under Seeds: the sparks they give off give
#D off more sparks, and the pattern fills the board. At generation
#D 40 it has 516 cells.
#L AA$.A
