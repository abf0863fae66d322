#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D Two halves that tumble over each other and swap sides, then
#D tumble back: half way through the period the pattern is its own
#D mirror image. Period 14.
#L .AA.AA$.AA.AA$..A.A$A.A.A.A$A.A.A.A$AA3.AA
