#Plexa 2.0
#GAME Generations
#RULE 05678/24567/6
#BOARD 200x200
#SPEED 20
#WRAP 0
#D A crawler of Chenille: five cells that creep downwards at half
#D the speed of light while the fading states trail behind them. It
#D travels 1 cell orthogonally every 2 generations.
#L D.D$BDB$ABA
