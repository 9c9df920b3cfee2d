[playlist]
File10=..\My Music\c\ten.mp3
Title10=Ten
file1=..\My Music\a\one.mp3
Length1=200
FILE3 = http://radio.example/three.mp3
File2=..\My Music\b\two.mp3
NumberOfEntries=4
Version=2
