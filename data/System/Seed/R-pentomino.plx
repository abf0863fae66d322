#Plexa 2.0
#GAME Life
#RULE 23/3
#D Five cells that settle only after 1103 generations.
#L .2A$2A$.A
