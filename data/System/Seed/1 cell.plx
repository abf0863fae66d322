#Plexa 2.0
#GAME Life
#RULE 23/3
#L A
