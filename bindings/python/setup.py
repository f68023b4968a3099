"""Builds idnumber._native, the pybind11 binding over the C API.

The binding and the library's own sources (capi/, core/ and records/ of this
repository, two folders up, or of IDNUMBER_SOURCE_ROOT) are compiled together
into the one extension, with the flags the project's CMake build gives them.
So `pip install ./bindings/python` works from a clean clone with nothing built
beforehand and nothing but g++, Python's headers and pybind11 (no CMake run, no
libidnumber to find at build or run time), and the extension always carries
the library of the tree it was built from. Its C API symbols stay private to
it (exports.map). The sources compile in parallel (IDNUMBER_BUILD_JOBS jobs,
2 by default), and an install reuses the objects of the last one that are
still up to date.

IDNUMBER_WERROR=1 turns warnings into errors (the project's tests and CI; a
user's build does not fail on a newer compiler's new warning).
IDNUMBER_SANITIZE=1 builds with AddressSanitizer and
UndefinedBehaviorSanitizer, in build-sanitize/ beside build/, for tests
(Python then needs libasan preloaded: scripts/test-python.sh shows how).
"""
import os
import pathlib
import re
import sysconfig

import pybind11

from pybind11.setup_helpers import ParallelCompile, Pybind11Extension, build_ext
from setuptools import setup

HERE = pathlib.Path(__file__).resolve().parent
ROOT = pathlib.Path(os.environ.get("IDNUMBER_SOURCE_ROOT", HERE.parent.parent)).resolve()
HEADER = ROOT / "capi" / "idnumber.h"
if not HEADER.is_file():
    raise SystemExit(
        f"idnumber: the library's sources are not at {ROOT} (no capi/idnumber.h); build from the "
        "repository's bindings/python folder, or set IDNUMBER_SOURCE_ROOT to the repository"
    )

VERSION = re.search(r'#define IDN_VERSION_STRING "([^"]+)"', HEADER.read_text(encoding="utf-8")).group(1)

# Absolute paths, so that the object files land inside the build folder and
# never beside the sources. setuptools refuses absolute paths in setup()'s
# arguments (its source list is for sdists), so they join the extension when
# it is built.
LIBRARY_SOURCES = [str(ROOT / "capi" / "idnumber.cpp")] + [
    str(path) for folder in ("core", "records") for path in sorted((ROOT / folder).glob("*.cpp"))
]


def switched_on(name):
    return os.environ.get(name, "").strip().lower() in ("1", "on", "yes", "true")


WERROR = switched_on("IDNUMBER_WERROR")
SANITIZE = switched_on("IDNUMBER_SANITIZE")
SANITIZERS = ["-fsanitize=address,undefined", "-fno-sanitize-recover=undefined", "-fno-omit-frame-pointer"]

# The project's warnings and its character sets: texts in the sources are
# UTF-8 and compiled to GBK (the binding's own texts are ASCII, and every
# text it passes to Python comes from the C API in UTF-8).
FLAGS = ["-O1", "-g", *SANITIZERS] if SANITIZE else ["-O3"]
FLAGS += [
    "-Wall", "-Wextra", "-Wpedantic", "-Wshadow", "-Wconversion", "-Wno-sign-conversion",
    *(["-Werror"] if WERROR else []),
    "-finput-charset=UTF-8", "-fexec-charset=GBK",
    "-ffile-prefix-map=" + str(ROOT) + "/=",
    # Python's and pybind11's headers as system headers: the warnings above
    # are for this project's code.
    "-isystem", pybind11.get_include(),
    "-isystem", sysconfig.get_paths()["include"],
]

LIBRARY_HEADERS = [str(path) for folder in ("capi", "core", "records") for path in sorted((ROOT / folder).glob("*.h"))]



def stale(obj, src):
    """Whether an object file must be compiled again: pip builds in this
    folder, so the objects of an earlier install are reused unless their
    source, a header of the library or this file is newer."""
    if not os.path.exists(obj):
        return True
    newest = max(os.path.getmtime(path) for path in [src, __file__, *LIBRARY_HEADERS])
    return os.path.getmtime(obj) < newest


ParallelCompile("IDNUMBER_BUILD_JOBS", default=2, needs_recompile=stale).install()


class BuildWithLibrary(build_ext):
    """pybind11's build_ext, with the library's sources added to the extension."""

    def build_extension(self, ext):
        ext.sources = [*ext.sources, *LIBRARY_SOURCES]
        ext.depends = [*ext.depends, *LIBRARY_HEADERS]
        super().build_extension(ext)


# The package layout here rather than in pyproject.toml, whose [tool.setuptools]
# table Debian 12's setuptools (66) still calls beta and warns about.
setup(
    version=VERSION,
    package_dir={"": "src"},
    packages=["idnumber"],
    package_data={"idnumber": ["py.typed", "*.pyi"]},
    zip_safe=False,
    include_package_data=False,
    ext_modules=[
        Pybind11Extension(
            "idnumber._native",
            ["src/_native.cpp"],
            include_dirs=[str(ROOT)],
            cxx_std=17,
            extra_compile_args=FLAGS,
            extra_link_args=["-Wl,--version-script=" + str(HERE / "exports.map"),
                             *(SANITIZERS if SANITIZE else [])],
        )
    ],
    cmdclass={"build_ext": BuildWithLibrary},
    # A sanitized build keeps its objects and extension apart from the plain one's.
    options={"build": {"build_base": "build-sanitize"}} if SANITIZE else {},
)
