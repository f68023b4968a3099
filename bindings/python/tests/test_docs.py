"""The examples in idnumber's docstrings run as they are shown, and help()
explains the verdict's and the match's fields."""
import datetime
import doctest
import pydoc

import idnumber


def test_docstring_examples():
    failed, attempted = doctest.testmod(idnumber, extraglobs={"idnumber": idnumber}, report=True)
    assert attempted > 8 and failed == 0
    # find, redact and the rest, in a module of their own.
    failed, attempted = doctest.testmod(idnumber._scan, extraglobs={"idnumber": idnumber, "datetime": datetime},
                                        report=True)
    assert attempted > 15 and failed == 0


def test_help_of_verify_names_every_field():
    text = pydoc.render_doc(idnumber.verify, renderer=pydoc.plaintext)
    for name in idnumber.FIELDS:
        assert name in text


def test_help_of_find_and_redact_names_every_option():
    for function, options in ((idnumber.find, ("min_confidence", "fifteen_digits", "as_of", "encoding")),
                              (idnumber.redact, ("way", "key", "first", "last", "label", "alphabet", "length",
                                                 "keep", "min_confidence", "as_of", "encoding", "summary"))):
        text = pydoc.render_doc(function, renderer=pydoc.plaintext)
        for name in options:
            assert name in text, (function.__name__, name)
    text = pydoc.render_doc(idnumber.Match, renderer=pydoc.plaintext)
    for name in idnumber.MATCH_FIELDS:
        assert name in text
