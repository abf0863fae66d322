#Plexa 2.0
#GAME User DLL
#RULE Dave
#BOARD 240x240
#SPEED 20
#WRAP 0
#PALETTE Rainbow008
#D Dave is the sample rule plug-in, three states on the four
#D orthogonal neighbours, shown in its own palette Rainbow008. A
#D single cell in state 1 never dies and grows into a diamond with
#D a lace of double lines inside. At generation 30 it has 1349
#D cells.
#L A
