5 gentle
4 steeper
# the order is wrong
