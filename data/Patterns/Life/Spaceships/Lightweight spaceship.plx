#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 50
#WRAP 1
#D The lightweight spaceship (LWSS), the smallest orthogonal
#D spaceship, found by John Conway in 1970. Watch the sparks at its
#D back while it flies. It travels 2 cells orthogonally every 4
#D generations (c/2), the top speed of a Life spaceship.
#L .A..A$A$A3.A$4A
