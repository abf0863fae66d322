#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 50
#WRAP 0
#D The queen bee shuttles between two blocks: each block eats the
#D debris she leaves when she turns. Two of these shuttles make the
#D glider gun. Period 30.
#L 9.A$7.A.A$6.A.A$AA3.A..A11.AA$AA4.A.A11.AA$7.A.A$9.A
