0 flat
12.5 .
