"""The examples in idnumber's docstrings run as they are shown, and help()
explains the verdict's fields."""
import doctest
import pydoc

import idnumber


def test_docstring_examples():
    failed, attempted = doctest.testmod(idnumber, extraglobs={"idnumber": idnumber}, report=True)
    assert attempted > 8 and failed == 0


def test_help_of_verify_names_every_field():
    text = pydoc.render_doc(idnumber.verify, renderer=pydoc.plaintext)
    for name in idnumber.FIELDS:
        assert name in text
