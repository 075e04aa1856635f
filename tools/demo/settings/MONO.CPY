[CopyUtility]
Copies=2
Color=0
