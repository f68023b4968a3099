#!/usr/bin/env python3
"""The pages' examples and install lines, run: README.md and docs/*.md.

Every fenced block of a page says, in an HTML comment on the line before its
opening fence, what this check does with it (docs/building.md, "The pages'
examples", is the convention for writers):

  <!-- example: RUNNER -->   run it against the installed release; the output
                             it shows must be what it gives
  <!-- install: RUNNER -->   an install: run as root, non-interactively, in a
                             folder holding the release's artifacts, on a
                             machine without the project's packages (each such
                             block from that state; ", continued" after RUNNER:
                             from the state the block before left); its
                             commands must succeed and any output it shows
                             must be what it gives
  <!-- file: NAME -->        not run: written as the file NAME into the page's
                             folder before the page's blocks run (", gbk" and
                             ", crlf" after NAME: written in GBK, with CR LF)
  <!-- not run: REASON -->   not run, and why
A ```text block right after a run block (blank lines between at most, or a
comment <!-- output … -->) is that block's output. A page of measurements may say once,
before its first block, <!-- page not run: REASON -->. A table of install
lines is marked <!-- install: table -->: each code span of its last column
that starts with a command (apt-get, npm, sha256sum) is an install line.

Runners, each in the page's own folder, which holds the release's artifacts
(and dist/, the same folder), the page's files and, as HOME, its dot-files:
  console  "$ " starts a command (a line ending in "\\" goes on); the lines up
           to the next "$ " are what it prints, standard output and standard
           error together as a terminal shows them (CR LF ends a line too). A
           command shown with no output must succeed.
  sh       the block as a bash script (errexit); its output, where a text
           block shows it, must be that.
  python   Debian's python3 runs the block; a "# VALUE" comment after an
           expression on one line shows its repr (for print(...), what it
           prints).
  js       node runs the block as an ES module of a project with the npm
           package installed; "// VALUE" after an expression on one line shows
           it as JavaScript would write it ('text', [a, b], { key: value }).
  java     the block is the body of main() (with java.util.*, java.time.* and
           org.idnumbertool.idnumber.* imported), compiled against the jar and
           JNA; "// VALUE" after expression statements on one line shows
           String.valueOf of each, joined by ", ".
  c        a fragment: the body of main() of a C program with <idnumber.h>,
           built with pkg-config; "/* A == B, C == D */" after a statement
           asserts each comparison.
  sqlite   the block in the sqlite3 shell on an empty database, with the
           extension loaded.
  psql     each statement (one that ends a line with ";", the next line not
           indented) by psql on the test's server, in a database of the page;
           the "-- " lines right after it are its output (rows "a | b",
           NOTICE:, ERROR:, DETAIL: lines).
  mariadb  the same with the mariadb client on the test's server; rows
           "a | b | c", NULL for NULL.
In shown output and values, "…" stands for any text within a line (a value
cut short), and a value may be followed by two spaces and a note in
parentheses, which is not compared.

Usage:
  check_pages.py lint                      every block says what is done with it
  check_pages.py install DIST              the install blocks and lines, as root
  check_pages.py examples DIST             the example blocks; needs the release
                                           installed and, for psql and mariadb,
                                           PGHOST/PGPORT/PGUSER and MARIADB_SOCKET
  check_pages.py ... --page NAME           only that page (README.md, idtool.md)
Prints one line per block and exits 1 when any failed.
"""
import ast
import difflib
import json
import os
import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
PAGES = [ROOT / "README.md"] + sorted((ROOT / "docs").glob("*.md"))
RUNNERS = {"console", "sh", "python", "js", "java", "c", "sqlite", "psql", "mariadb"}
PACKAGES = ["idtool", "libidnumber-dev", "libidnumber3", "libsqlite3-mod-idnumber", "mariadb-plugin-idnumber",
            "postgresql-15-idnumber", "python3-idnumber"]
TIMEOUT = 600
OUTPUT = re.compile(r"^<!--\s*output\b.*-->$")
DIRECTIVE = re.compile(r"^<!--\s*(example|install|file|not run|page not run):\s*(.*?)\s*-->$")


class Block:
    def __init__(self, page, line, language, text, kind, argument):
        self.page, self.line, self.language, self.text = page, line, language, text
        self.kind = kind
        self.continued = False  # an install block that goes on from the one before, not from a clean machine
        if kind in ("example", "install"):
            argument, _, options = argument.partition(",")
            self.continued = options.strip() == "continued"
        self.argument = argument.strip()
        self.output = None  # a following ```text block's text

    @property
    def where(self):
        return f"{self.page.name}:{self.line}"


def parse(page):
    """The page's blocks in order, and its problems (blocks that say nothing)."""
    lines = page.read_text(encoding="utf-8").split("\n")
    blocks, problems = [], []
    page_not_run = None
    at = 0
    while at < len(lines):
        line = lines[at]
        fence = re.match(r"^(\s*)(```+)(\S*)\s*$", line)
        directive = DIRECTIVE.match(line.strip())
        if directive and directive.group(1) == "page not run":
            page_not_run = directive.group(2)
        if directive and directive.group(1) == "install" and directive.group(2) == "table":
            blocks.append(Block(page, at + 1, "table", table_lines(lines, at + 1), "install", "table"))
        if not fence:
            at += 1
            continue
        indent, ticks, language = fence.groups()
        end = next((i for i in range(at + 1, len(lines)) if lines[i].strip() == ticks), None)
        if end is None:
            problems.append(f"{page.name}:{at + 1}: a block that is never closed")
            break
        text = "\n".join(body[len(indent):] if body.startswith(indent) else body for body in lines[at + 1:end])
        before = lines[at - 1].strip() if at > 0 else ""
        said = DIRECTIVE.match(before)
        previous = blocks[-1] if blocks else None
        between = lines[previous.end + 1:at] if previous is not None and hasattr(previous, "end") else None
        if language == "text" and previous is not None and previous.kind in ("example", "install") and \
                between is not None and all(not text_line.strip() or OUTPUT.match(text_line.strip())
                                            for text_line in between):
            previous.output = text
            previous.end = end
            at = end + 1
            continue
        if said and said.group(1) != "page not run":
            block = Block(page, at + 2, language, text, said.group(1), said.group(2))
        elif page_not_run is not None:
            block = Block(page, at + 2, language, text, "not run", page_not_run)
        else:
            problems.append(f"{page.name}:{at + 1}: a ```{language} block with no <!-- example: … -->, "
                            "<!-- install: … -->, <!-- file: … --> or <!-- not run: … --> before it")
            block = Block(page, at + 2, language, text, "not run", "unmarked")
        if block.kind in ("example", "install") and block.argument not in RUNNERS:
            problems.append(f"{block.where}: no runner {block.argument!r} (one of {', '.join(sorted(RUNNERS))})")
        if block.kind == "not run" and not block.argument:
            problems.append(f"{block.where}: <!-- not run: --> gives no reason")
        block.end = end
        blocks.append(block)
        at = end + 1
    return blocks, problems


def table_lines(lines, start):
    """The install lines of the table after a <!-- install: table --> line."""
    commands = []
    for line in lines[start:]:
        if line.strip() and not line.lstrip().startswith("|"):
            if commands or any(l.strip().startswith("|") for l in lines[start:lines.index(line)]):
                break
            continue
        if not line.strip():
            if commands:
                break
            continue
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        for span in re.findall(r"`([^`]+)`", cells[-1]):
            if re.match(r"(apt-get|npm|sha256sum) ", span):
                commands.append(span)
    return "\n".join(commands)


# --- Comparing what a block shows with what it gives ---------------------------------

def matches(shown, actual):
    """One shown line against one actual line: exact, but "…" stands for any text."""
    if "…" not in shown:
        return shown == actual
    pattern = ".*?".join(re.escape(piece) for piece in shown.split("…"))
    return re.fullmatch(pattern, actual, re.S) is not None


def compare_lines(shown, actual):
    shown_lines, actual_lines = shown.split("\n"), actual.split("\n")
    if len(shown_lines) == len(actual_lines) and all(map(matches, shown_lines, actual_lines)):
        return None
    return "".join(difflib.unified_diff([line + "\n" for line in shown_lines], [line + "\n" for line in actual_lines],
                                        "shown", "given", lineterm="\n"))


def shown_value(comment):
    """A value comment's value, without a note set off by two spaces."""
    return re.split(r"\s{2,}", comment.strip(), maxsplit=1)[0]


# --- The page's folder -----------------------------------------------------------------

def page_folder(work, page, dist, blocks):
    folder = work / page.stem
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    for artifact in dist.iterdir():
        if artifact.is_file():
            try:
                os.link(artifact, folder / artifact.name)  # the same bytes, no copy
            except OSError:
                shutil.copy2(artifact, folder / artifact.name)
    (folder / "dist").symlink_to(".")
    for block in blocks:
        if block.kind == "file":
            name, *options = [word.strip() for word in block.argument.split(",")]
            text = block.text + "\n"
            if "crlf" in options:
                text = text.replace("\n", "\r\n")
            (folder / name).write_bytes(text.encode("gbk" if "gbk" in options else "utf-8"))
    return folder


def environment(folder):
    env = dict(os.environ)
    env.update(HOME=str(folder), LC_ALL="C.UTF-8", LANG="C.UTF-8", DEBIAN_FRONTEND="noninteractive",
               PATH="/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin")
    return env


def run(command, folder, stdin=None, **options):
    return subprocess.run(command, cwd=folder, env=environment(folder), input=stdin, capture_output=True,
                          timeout=TIMEOUT, **options)


# --- Runners ---------------------------------------------------------------------------

def console_commands(text):
    """(command, shown output) pairs of a console block."""
    pairs, lines, at = [], text.split("\n"), 0
    while at < len(lines):
        if not lines[at].startswith("$ "):
            at += 1
            continue
        command = lines[at][2:]
        while command.endswith("\\") and at + 1 < len(lines):
            at += 1
            command += "\n" + lines[at]
        output = []
        at += 1
        while at < len(lines) and not lines[at].startswith("$ "):
            output.append(lines[at])
            at += 1
        pairs.append((command, "\n".join(output)))
    return pairs


def run_console(block, folder):
    problems = []
    for command, shown in console_commands(block.text):
        result = subprocess.run(["bash", "-o", "pipefail", "-c", command], cwd=folder, env=environment(folder),
                                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                timeout=TIMEOUT)
        given = result.stdout.decode("utf-8", "backslashreplace").replace("\r\n", "\n").rstrip("\n")
        if not shown:
            if result.returncode != 0:
                problems.append(f"$ {command}\nexit status {result.returncode}:\n{given[-3000:]}")
            continue
        difference = compare_lines(shown, given)
        if difference:
            problems.append(f"$ {command}\n{difference}")
    return problems


def run_sh(block, folder):
    result = subprocess.run(["bash", "-e", "-o", "pipefail", "-c", block.text], cwd=folder, env=environment(folder),
                            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            timeout=TIMEOUT)
    given = result.stdout.decode("utf-8", "backslashreplace").replace("\r\n", "\n").rstrip("\n")
    if result.returncode != 0:
        return [f"exit status {result.returncode}:\n{given[-3000:]}"]
    if block.output is not None:
        difference = compare_lines(block.output.rstrip("\n"), given)
        return [difference] if difference else []
    return []


def comment_of(line, marker):
    """The code and the trailing comment of a line (not inside a string)."""
    quote = None
    for at, character in enumerate(line):
        if quote:
            if character == "\\":
                continue
            if character == quote:
                quote = None
        elif character in "'\"":
            quote = character
        elif line.startswith(marker, at):
            return line[:at].rstrip(), line[at + len(marker):].strip()
    return line, None


def ran_program(block, result):
    """A program's problems: its failures (standard error, exit status) and,
    where the page shows its output, the difference."""
    problems = [] if result.returncode == 0 else [f"exit status {result.returncode}:\n{result.stderr.strip()}"]
    if block.output is not None:
        difference = compare_lines(block.output.rstrip("\n"), result.stdout.rstrip("\n"))
        if difference:
            problems.append(difference)
    return problems


def run_python(block, folder):
    """Each top-level statement in turn; an expression with a value comment is
    compared with it."""
    lines = block.text.split("\n")
    tree = ast.parse(block.text)
    program = ["import io as _io, contextlib as _contextlib, sys as _sys", "_failures = []",
               "def _check(line, shown, value, printed):",
               "    import re",
               "    given = printed.rstrip('\\n') if printed is not None else repr(value)",
               "    pattern = '.*?'.join(re.escape(piece) for piece in shown.split('…'))",
               "    if not re.fullmatch(pattern, given, re.S):",
               "        _failures.append(f'line {line}: shown {shown}, given {given}')"]
    for statement in tree.body:
        source = "\n".join(lines[statement.lineno - 1:statement.end_lineno])
        _, comment = comment_of(lines[statement.end_lineno - 1], "#")
        if isinstance(statement, ast.Expr) and comment and statement.lineno == statement.end_lineno:
            code, _ = comment_of(source, "#")
            shown = shown_value(comment)
            if isinstance(statement.value, ast.Call) and getattr(statement.value.func, "id", "") == "print":
                program += ["_out = _io.StringIO()", "with _contextlib.redirect_stdout(_out):",
                            f"    {code}", f"_check({statement.lineno}, {shown!r}, None, _out.getvalue())"]
            else:
                program.append(f"_check({statement.lineno}, {shown!r}, ({code}), None)")
        else:
            program.append(source)
    program += ["for _failure in _failures: print(_failure, file=_sys.stderr)", "_sys.exit(1 if _failures else 0)"]
    result = run(["/usr/bin/python3", "-c", "\n".join(program)], folder, text=True)
    return ran_program(block, result)


JS_SHOW = r"""
const show = (value) => {
    if (typeof value === 'string') return `'${value}'`;
    if (typeof value === 'bigint') return `${value}n`;
    if (Array.isArray(value)) return `[${value.map(show).join(', ')}]`;
    if (value && typeof value === 'object') {
        const entries = Object.entries(value).map(([key, item]) => `${key}: ${show(item)}`);
        return entries.length ? `{ ${entries.join(', ')} }` : '{}';
    }
    return String(value);
};
const failures = [];
const check = (line, shown, value) => {
    const given = show(value);
    const pattern = new RegExp('^' + shown.split('…').map((piece) => piece.replace(/[.*+?^${}()|[\]\\]/g, '\\$&'))
        .join('[^]*?') + '$');
    if (!pattern.test(given)) failures.push(`line ${line}: shown ${shown}, given ${given}`);
};
"""
STATEMENT_START = re.compile(r"^\s*(import|export|const|let|var|for|while|if|else|function|class|return|await\s+init"
                             r"|\}|\{|//)")


def run_js(block, folder):
    lines, body, imports = block.text.split("\n"), [], []
    for number, line in enumerate(block.text.split("\n"), 1):
        code, comment = comment_of(line, "//")
        if line.lstrip().startswith("import "):
            imports.append(line)
        elif comment and code.endswith(";") and not STATEMENT_START.match(code):
            body.append(f"check({number}, {json.dumps(shown_value(comment))}, ({code[:-1]}));")
        else:
            body.append(line)
    source = "\n".join(imports + [JS_SHOW] + body + ["for (const f of failures) console.error(f);",
                                                    "process.exitCode = failures.length ? 1 : 0;"])
    (folder / "example.mjs").write_text(source, encoding="utf-8")
    return ran_program(block, run(["node", "example.mjs"], folder, text=True))


JAVA_PROLOGUE = """import java.time.*;
import java.util.*;
import java.util.stream.*;
import org.idnumbertool.idnumber.*;

public class Example {
    static final List<String> failures = new ArrayList<>();
    static void check(int line, String shown, Object... values) {
        StringBuilder given = new StringBuilder();
        for (Object value : values) given.append(given.length() == 0 ? "" : ", ").append(String.valueOf(value));
        StringBuilder pattern = new StringBuilder();
        for (String piece : shown.split("…", -1)) {
            if (pattern.length() > 0) pattern.append("(?s:.*?)");
            pattern.append(java.util.regex.Pattern.quote(piece));
        }
        if (!given.toString().matches(pattern.toString())) failures.add("line " + line + ": shown " + shown + ", given " + given);
    }
    public static void main(String[] args) throws Exception {
"""
JAVA_EPILOGUE = """
        for (String failure : failures) System.err.println(failure);
        System.exit(failures.isEmpty() ? 0 : 1);
    }
}
"""


def run_java(block, folder, dist):
    body = []
    for number, line in enumerate(block.text.split("\n"), 1):
        code, comment = comment_of(line, "//")
        if line.lstrip().startswith("import "):
            continue
        statements = [part.strip() for part in code.split(";") if part.strip()] if code.rstrip().endswith(";") else []
        expressions = statements and all(not re.match(r"^(\w+(<[^>]*>)?(\[\])?\s+\w+\s*=|for\b|if\b|return\b)", part)
                                          for part in statements)
        if comment and expressions:
            body.append(f"        check({number}, {json.dumps(shown_value(comment))}, {', '.join(statements)});")
        else:
            body.append("        " + line)
    (folder / "Example.java").write_text(JAVA_PROLOGUE + "\n".join(body) + JAVA_EPILOGUE, encoding="utf-8")
    jar = next(dist.glob("idnumber-*.jar"))
    classpath = f"{jar}:/usr/share/java/jna.jar:."
    compiled = run(["javac", "-encoding", "UTF-8", "-cp", classpath, "Example.java"], folder, text=True)
    if compiled.returncode != 0:
        return [compiled.stdout + compiled.stderr]
    return ran_program(block, run(["java", "-cp", classpath, "Example"], folder, text=True))


def run_c(block, folder):
    body = []
    for line in block.text.split("\n"):
        assertion = re.search(r"/\*\s*(.*==.*?)\s*\*/\s*$", line)
        if assertion:
            body.append(line[:assertion.start()])
            body += [f"    assert({condition.strip()});" for condition in assertion.group(1).split(",")]
        else:
            body.append(line)
    source = "#include <assert.h>\n#include <string.h>\n#include <idnumber.h>\n\nint main(void) {\n" + \
        "\n".join("    " + line for line in body) + "\n    return 0;\n}\n"
    (folder / "fragment.c").write_text(source, encoding="utf-8")
    flags = run(["pkg-config", "--cflags", "--libs", "idnumber"], folder, text=True).stdout.split()
    built = run(["cc", "-std=c99", "-Wall", "-Werror", "fragment.c", *flags, "-o", "fragment"], folder, text=True)
    if built.returncode != 0:
        return [built.stderr]
    result = run(["./fragment"], folder, text=True)
    return [] if result.returncode == 0 else [f"exit status {result.returncode}: {result.stderr}"]


def run_sqlite(block, folder):
    module = f"/usr/lib/{multiarch()}/sqlite3/idnumber"
    result = run(["sqlite3", "-bail", ":memory:"], folder, stdin=f".load {module}\n{block.text}\n", text=True)
    problems = []
    if result.returncode != 0 or result.stderr:
        problems.append(f"exit status {result.returncode}: {result.stderr}")
    if block.output is not None:
        difference = compare_lines(block.output.rstrip("\n"), result.stdout.rstrip("\n"))
        if difference:
            problems.append(difference)
    return problems


def multiarch():
    return subprocess.run(["dpkg-architecture", "-qDEB_HOST_MULTIARCH"], capture_output=True, text=True,
                          check=True).stdout.strip()


def sql_statements(text):
    """(statement, shown output lines) of an SQL block: a statement ends at a
    ";" that ends a line whose next line (not blank) is not indented; the
    "-- " lines right after it are what it shows."""
    lines = text.split("\n")
    statements, current, at = [], [], 0
    while at < len(lines):
        line = lines[at]
        if not current and (not line.strip() or line.startswith("--")):
            at += 1
            continue
        current.append(line)
        following = next((later for later in lines[at + 1:] if later.strip()), "")
        inside_dollar_quotes = "\n".join(current).count("$$") % 2 == 1
        if line.rstrip().endswith(";") and not following.startswith((" ", "\t")) and not inside_dollar_quotes:
            shown = []
            while at + 1 < len(lines) and lines[at + 1].startswith("-- ") and shown is not None:
                shown.append(lines[at + 1][3:])
                at += 1
            statements.append(("\n".join(current), shown))
            current = []
        at += 1
    if current:
        statements.append(("\n".join(current), []))
    return statements


def run_sql(block, folder, client):
    problems = []
    for statement, shown in sql_statements(block.text):
        result = client(statement)
        given = (result.stdout + result.stderr).rstrip("\n")
        if not shown:
            if result.returncode != 0:
                problems.append(f"{statement}\n{given}")
            continue
        rows = [re.sub(r"\s*\|\s*", " | ", row.strip()) for row in shown]
        difference = compare_lines("\n".join(rows), given)
        if difference:
            problems.append(f"{statement}\n{difference}")
    return problems


def psql_client(database):
    def client(statement):
        result = subprocess.run(["psql", "-X", "-q", "-A", "-t", "-F", " | ", "-d", database, "-c", statement],
                                capture_output=True, text=True, timeout=TIMEOUT)
        # psql's messages as a session shows them, without the client's prefix.
        result.stderr = re.sub(r"^psql:[^:]*:\d+: ", "", result.stderr, flags=re.M)
        return result
    return client


def mariadb_client(database):
    def client(statement):
        result = subprocess.run(["mariadb", "--no-defaults", f"--socket={os.environ['MARIADB_SOCKET']}", "--user=root",
                                 "--default-character-set=utf8mb4", "-N", "-B", database],
                                input=f"DELIMITER $$\n{statement.rstrip().rstrip(';')}$$\n", capture_output=True,
                                text=True, timeout=TIMEOUT)
        result.stdout = "\n".join(" | ".join(row.split("\t")) for row in result.stdout.rstrip("\n").split("\n"))
        return result
    return client


# --- Phases ----------------------------------------------------------------------------

def run_block(block, folder, dist, databases):
    runner = block.argument
    if runner == "console":
        return run_console(block, folder)
    if runner == "sh":
        return run_sh(block, folder)
    if runner == "python":
        return run_python(block, folder)
    if runner == "js":
        return run_js(block, folder)
    if runner == "java":
        return run_java(block, folder, dist)
    if runner == "c":
        return run_c(block, folder)
    if runner == "sqlite":
        return run_sqlite(block, folder)
    if runner in ("psql", "mariadb"):
        return run_sql(block, folder, databases[runner])
    if runner == "table":
        problems = run_sh(block, folder)
        for package, version in re.findall(r"\./([a-z0-9.+-]+)_([^_]+)_amd64\.deb", block.text):
            if installed_version(package) != version:
                problems.append(f"{package} {version} is not installed after it")
        return problems
    return [f"no runner {runner}"]


def installed_version(package):
    result = subprocess.run(["dpkg-query", "-W", "-f", "${Status} ${Version}", package], capture_output=True, text=True)
    status = result.stdout.split()
    return status[-1] if result.returncode == 0 and status[:3] == ["install", "ok", "installed"] else None


def services_running():
    running = set()
    for service in ("postgresql", "mariadb"):
        if subprocess.run(["service", service, "status"], capture_output=True).returncode == 0:
            running.add(service)
    return running


def clean_machine(services_before):
    """No package of the project installed, and the system's servers as they
    were: what the pages' lines made in them dropped, the packages purged while
    a server the lines started still runs (mariadb-plugin-idnumber's removal
    drops its functions there), then that server stopped."""
    started = services_running() - services_before  # only what the lines started is the check's to undo
    if "postgresql" in started:
        subprocess.run(["runuser", "-u", "postgres", "--", "psql", "-X", "-q", "-d", "postgres", "-c",
                        "DROP EXTENSION IF EXISTS idnumber"], capture_output=True)
    if "mariadb" in started:
        subprocess.run(["mariadb", "-e", "DROP DATABASE IF EXISTS app"], capture_output=True)
    installed = [package for package in PACKAGES if installed_version(package)]
    if installed:
        subprocess.run(["apt-get", "purge", "-y", "-q", *installed], capture_output=True, check=True,
                       env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
    for service in started:
        subprocess.run(["service", service, "stop"], capture_output=True)


def steps(block):
    """A block as the steps that each start from a clean machine: an install
    table's lines one by one, any other block whole."""
    if block.argument != "table":
        return [block]
    return [Block(block.page, block.line, "sh", line, "install", "table") for line in block.text.split("\n") if line]


def phase(kind, dist, only_page):
    work = pathlib.Path(tempfile.mkdtemp(prefix=f"idnumber-pages-{kind}-"))
    os.chmod(work, 0o755)
    failures = ran = 0
    services_before = services_running() if kind == "install" else set()
    try:
        for page in PAGES:
            if only_page and page.name != only_page:
                continue
            blocks, problems = parse(page)
            for problem in problems:
                print(f"FAIL: {problem}")
                failures += 1
            chosen = [step for block in blocks if block.kind == kind for step in steps(block)]
            if not chosen:
                continue
            folder = page_folder(work, page, dist, blocks)
            databases = {}
            if kind == "example":
                everything = "\n".join(block.text for block in chosen)
                if any(block.argument == "psql" for block in chosen):
                    databases["psql"] = psql_database(page, "CREATE EXTENSION" not in everything)
                if any(block.argument == "mariadb" for block in chosen):
                    databases["mariadb"] = mariadb_database(page, "install.sql" not in everything)
                if any(block.argument == "js" for block in chosen):
                    install_npm_package(folder, dist)
            for block in chosen:
                if kind == "install" and not block.continued:
                    clean_machine(services_before)
                ran += 1
                try:
                    problems = run_block(block, folder, dist, databases)
                except subprocess.TimeoutExpired as expired:
                    problems = [f"timed out: {expired.cmd}"]
                what = f"{block.where} ({kind}: {block.argument})" + (f": {block.text}" if block.argument == "table" else "")
                if problems:
                    failures += 1
                    print(f"FAIL: {what}")
                    for problem in problems:
                        print("    " + problem.replace("\n", "\n    "))
                else:
                    print(f"ok: {what}")
    finally:
        if kind == "install":
            clean_machine(services_before)
        shutil.rmtree(work, ignore_errors=True)
    return ran, failures


def psql_database(page, with_extension):
    """A database of the page's own on the test's server, with the extension
    created unless the page's blocks create it."""
    if not os.environ.get("PGHOST"):
        raise SystemExit("check_pages.py: the psql examples need a server: PGHOST, PGPORT and PGUSER")
    name = "docs_" + re.sub(r"\W", "_", page.stem.lower())
    for statement in (f"DROP DATABASE IF EXISTS {name}", f"CREATE DATABASE {name}"):
        subprocess.run(["psql", "-X", "-q", "-d", "postgres", "-c", statement], capture_output=True, check=True)
    if with_extension:
        subprocess.run(["psql", "-X", "-q", "-d", name, "-c", "CREATE EXTENSION idnumber"], capture_output=True,
                       check=True)
    return psql_client(name)


def mariadb_database(page, with_functions):
    """A database of the page's own on the test's server, where the
    package's install.sql has run unless the page's blocks run it."""
    if not os.environ.get("MARIADB_SOCKET"):
        raise SystemExit("check_pages.py: the mariadb examples need a server: MARIADB_SOCKET")
    name = "docs_" + re.sub(r"\W", "_", page.stem.lower())
    client = mariadb_client("mysql")
    for statement in (f"DROP DATABASE IF EXISTS {name}", f"CREATE DATABASE {name}"):
        done = client(statement)
        if done.returncode != 0:
            raise SystemExit(f"check_pages.py: {statement}: {done.stderr}")
    if with_functions:
        script = pathlib.Path("/usr/share/mariadb-plugin-idnumber/install.sql").read_text(encoding="utf-8")
        loaded = subprocess.run(["mariadb", "--no-defaults", f"--socket={os.environ['MARIADB_SOCKET']}", "--user=root",
                                 "--default-character-set=utf8mb4", name], input=script, capture_output=True, text=True)
        if loaded.returncode != 0:
            raise SystemExit(f"check_pages.py: install.sql in {name}: {loaded.stderr}")
    return mariadb_client(name)


def install_npm_package(folder, dist):
    tarball = next(dist.glob("idnumber-[0-9]*.tgz"))
    (folder / "package.json").write_text('{"name": "docs-examples", "private": true, "type": "module"}\n')
    run(["npm", "install", "--offline", "--no-audit", "--no-fund", str(tarball)], folder, check=True)


def lint(only_page):
    failures = 0
    counts = {}
    for page in PAGES:
        if only_page and page.name != only_page:
            continue
        blocks, problems = parse(page)
        for problem in problems:
            print(f"FAIL: {problem}")
        failures += len(problems)
        for block in blocks:
            counts[block.kind] = counts.get(block.kind, 0) + 1
    summary = ", ".join(f"{count} {kind}" for kind, count in sorted(counts.items()))
    print(f"pages: {len(PAGES)} pages, {sum(counts.values())} blocks: {summary}; {failures} unmarked or wrong")
    return failures


def main(argv):
    arguments = argv[1:]
    only_page = None
    if "--page" in arguments:
        at = arguments.index("--page")
        only_page = arguments[at + 1]
        del arguments[at:at + 2]
    if arguments == ["lint"]:
        sys.exit(1 if lint(only_page) else 0)
    if len(arguments) != 2 or arguments[0] not in ("install", "examples"):
        sys.exit(__doc__)
    dist = pathlib.Path(arguments[1]).resolve()
    kind = "install" if arguments[0] == "install" else "example"
    ran, failures = phase(kind, dist, only_page)
    print(f"pages, {arguments[0]}: {ran} blocks run, {failures} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(sys.argv)
