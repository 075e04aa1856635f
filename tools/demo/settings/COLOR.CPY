[CopyUtility]
Copies=1
Color=1
Printer=Old Printer, HPPCL, LPT1:
