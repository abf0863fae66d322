#Plexa 2.0
#GAME User DLL
#RULE Dave
#BOARD 200x240
#SPEED 20
#WRAP 0
#PALETTE Rainbow008
#D Two rockets of Dave on a collision course, one flying up and one
#D flying down. They annihilate each other without a trace. It dies
#D out at generation 17.
#L .B$.B$BAB$.A31$.A$BAB$.B$.B
