#Plexa 2.0
#GAME Cyclic CA
#RULE R3/T5/C8/NM/GH
#BOARD 240x200
#SPEED 20
#WRAP 0
#PALETTE Rainbow008
#D A hand-made start for the Greenberg-Hastings rule GH: a straight
#D wave front, excited cells on top of their resting tail, cut off
#D at both ends. The front runs upwards, and its two free ends curl
#D into a pair of spirals that turn in opposite directions.
#L 30A$30B$30C$30D$30E$30F$30G
