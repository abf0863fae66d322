#Plexa 2.0
#GAME User DLL
#RULE Dave
#BOARD 200x240
#SPEED 20
#WRAP 0
#PALETTE Rainbow008
#D The rocket of Dave: a state-1 nose on a state-2 body that flies
#D upwards at the speed of light. It travels 2 cells orthogonally
#D every 2 generations.
#L .A$BAB$.B$.B
