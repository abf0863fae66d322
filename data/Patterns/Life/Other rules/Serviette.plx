#Plexa 2.0
#GAME Life
#RULE /234
#BOARD 300x300
#SPEED 50
#WRAP 0
#D Two cells under Serviettes, where no cell survives and a cell is
#D born with two to four neighbours: the growth keeps a folded,
#D napkin-like symmetry. At generation 60 it has 1416 cells.
#L AA
