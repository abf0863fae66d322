#Plexa 2.0
#GAME Life
#RULE 23/3
#BOARD 300x200
#SPEED 100
#WRAP 0
#D The pulsar, the most common oscillator of period 3, with a
#D four-fold symmetry. Its population pulses between 48, 56 and 72
#D cells. Period 3.
#L ..3A3.3A$$A4.A.A4.A$A4.A.A4.A$A4.A.A4.A$..3A3.3A$$..3A3.3A$A4.A.A4.A$A
#L 4.A.A4.A$A4.A.A4.A$$..3A3.3A
