#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 3000x2500
#SPEED 0
#WRAP 0
#D Seven cells found by Charles Corderman that grow into a large field of
#D debris with thirteen escaping gliders. On an endless plane its last
#D reaction ends at generation 5206. At generation 5206 it has 633 cells;
#D soon after, its gliders reach the edge of this board, the tallest the
#D program allows.
#L .A$3.A$AA..3A
