#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D Two squares of nine cells touching at a corner; watch the phases
#D in which the pair looks like the figure 8. Period 8.
#L 3A$3A$3A$3.3A$3.3A$3.3A
