"""What the ezdxf checks of the plot tests share: a drawing read and
audited, and a run that says what differs instead of a traceback."""
import sys

import ezdxf


def read_audited(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    assert not auditor.has_errors, [str(e.message) for e in auditor.errors]
    return doc


def run(main):
    try:
        main()
    except AssertionError as error:
        print("DIFFERS", error)
        sys.exit(1)
