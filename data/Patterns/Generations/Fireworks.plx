#Plexa 2.0
#GAME Generations
#RULE 2/13/21
#BOARD 320x320
#SPEED 20
#WRAP 0
#PALETTE Fire024
#D A single cell under Fireworks, a rule of 21 states. It bursts
#D into a square of sparks that grows by one cell each way in every
#D generation, every spark fading slowly through the 19 dying
#D states.
#L A
