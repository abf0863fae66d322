#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D Four arms around a hole in the middle spin like a galaxy, found
#D by Jan Kok in 1971. Period 8.
#L 6A.AA$6A.AA$7.AA$AA5.AA$AA5.AA$AA5.AA$AA$AA.6A$AA.6A
