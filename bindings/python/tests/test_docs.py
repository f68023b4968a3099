"""The examples in idnumber's docstrings run as they are shown, and help()
explains the verdict's and the match's fields."""
import datetime
import doctest
import pathlib
import pydoc
import re

import idnumber

README = pathlib.Path(__file__).resolve().parents[1] / "README.md"


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


def test_the_readme_examples_of_finding_and_redacting_run():
    text = README.read_text(encoding="utf-8")
    section = text[text.index("## Numbers in text"):text.index("## Errors")]
    blocks = [block for block in re.findall(r"```python\n(.*?)```", section, re.S) if ">>>" in block]
    test = doctest.DocTestParser().get_doctest("\n".join(blocks), {}, "README", str(README), 0)
    runner = doctest.DocTestRunner(optionflags=doctest.NORMALIZE_WHITESPACE)
    runner.run(test)
    failed, attempted = runner.summarize(verbose=False)
    assert attempted > 15 and failed == 0
