#Plexa 2.0
#GAME Life
#RULE 1/1
#BOARD 300x300
#SPEED 50
#WRAP 0
#D One cell under Gnarl, where a cell lives on and is born with
#D exactly one neighbour: it grows into a square of tangled grain.
#D At generation 100 it has 64 cells.
#L A
