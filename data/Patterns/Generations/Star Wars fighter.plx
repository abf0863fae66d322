#Plexa 2.0
#GAME Generations
#RULE 345/2/4
#BOARD 200x200
#SPEED 20
#WRAP 0
#D The small fighter of Star Wars: a firing row followed by two
#D rows of its fading trail. In a soup of this rule such fighters
#D shoot out of the battlefield while slow walls of survivors hold
#D their ground. It travels 1 cell orthogonally every 1 generation.
#L CC$BB$AA
