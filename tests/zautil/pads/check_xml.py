"""Reads an XML file with expat, which holds to the standard: a bare '&' or
'<', a namespace prefix nobody declared or a character XML cannot hold is
an error, where a lenient reader would read past it.

    check_xml.py FILE

Prints "OK", or the file's first error and exits 1.
"""
import sys
from xml.parsers import expat

parser = expat.ParserCreate(namespace_separator=" ")
try:
    with open(sys.argv[1], "rb") as source:
        parser.ParseFile(source)
except expat.ExpatError as error:
    print(f"{sys.argv[1]}: {error}")
    sys.exit(1)
print("OK")
