#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 3000x2500
#SPEED 0
#WRAP 0
#D Seven cells found by Charles Corderman that grow into a large
#D field of debris with thirteen escaping gliders. On an endless
#D plane its last reaction ends at generation 5206. At generation
#D 5206 it has 633 cells; soon after, its gliders reach the edge of
#D this board, the tallest the program allows.
#L .A$3.A$AA..3A
