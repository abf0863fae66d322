#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 200x160
#SPEED 200
#WRAP 0
#D Also called the fishhook. It eats a glider that hits it the right way
#D and repairs itself within four generations; see the gun and eater among
#D the guns. It is a still life.
#L AA$A.A$..A$..AA
