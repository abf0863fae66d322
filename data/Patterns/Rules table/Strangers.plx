#Plexa 2.0
#GAME Rules table
#RULE 1,0,0,0,4,1,9,8,0,0,0,0,0,5,0,9,7,0,6,0,9,8,0,2,5,0,4,0,0,0,0,0,0,0,10,2,10,0,6,0,0,4,0,3,0,10,0,3,0,1,10,0,0,4,0,3,10,9,0,6,1,0,0,0,5,0,0,0,0,4,1,0,0,2,7,0,2,6,3,8,4,6,0,1,0,0,0,0,0,0,0,0,0,0,0,0,6,7,0,8,5,3,0,9,0,0,5,0,4,0,0,5,0,0,0,0,0,0,0,9
#BOARD 200x240
#SPEED 20
#WRAP 0
#D A stranger of the Strangers table, a twenty-cell ship in ten
#D states that rushes upwards. It travels 1 cell orthogonally every
#D 1 generation.
#L .DAAD$$DAIIAD$.E..E$D.DD.D$C.CC.C
