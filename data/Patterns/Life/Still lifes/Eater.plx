#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x160
#SPEED 200
#WRAP 0
#D Also called the fishhook. It eats a glider that hits it the
#D right way and repairs itself within four generations; see the
#D gun and eater among the guns. It is a still life.
#L AA$A.A$..A$..AA
