"""Builds the Python module idnumber through the project's CMake build.

The extension idnumber._native is the CMake target idnumber_python
(bindings/python/CMakeLists.txt): the binding linked with the project's
static C library, from the one source list and with the flags of the
project's CMake build. This file only configures that build (the library and
the module alone: no programs, no tests) in setuptools' build folder, builds
the target there, and lets setuptools pack the result with the Python files.

The build needs CMake 3.25 and a C++17 compiler (GCC or Clang), pybind11,
Python's headers and OpenSSL's libcrypto (the scanner's SHA-256; Debian:
libssl-dev); Ninja when found. Options
for the CMake build go in the environment's CMAKE_ARGS, e.g.
CMAKE_ARGS="-DIDNUMBER_WERROR=ON" (warnings as errors: the project's tests;
a user's build never gets -Werror) or "-DIDNUMBER_SANITIZE=ON" (AddressSanitizer
and UndefinedBehaviorSanitizer). CXXFLAGS and LDFLAGS are the compiler's,
as in any CMake build, and so is CPPFLAGS, which CMake itself ignores: it is
joined to CFLAGS and CXXFLAGS here.

Nothing is written into the sources: setuptools' build and metadata folders
are a temporary folder, removed when the build ends (pip builds a local
folder in place), or IDNUMBER_BUILD_DIR, kept, where a later build reuses
CMake's objects.

In the repository this file is bindings/python/setup.py and the project is
two folders up. A source distribution holds the project's tree as far as the
build needs it (see SDIST_SOURCES), with this file, pyproject.toml, README.md
and LICENSE at its top; its tarball is reproducible (reproducible_tarball:
the same files give the same bytes, their time SOURCE_DATE_EPOCH).
"""
import atexit
import gzip
import os
import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import tarfile
import tempfile

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext
from setuptools.command.sdist import sdist

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE if (HERE / "capi" / "idnumber.h").is_file() else HERE.parent.parent
BINDING = ROOT / "bindings" / "python"
HEADER = ROOT / "capi" / "idnumber.h"
if not (HEADER.is_file() and (BINDING / "CMakeLists.txt").is_file()):
    raise SystemExit(
        f"idnumber: the project's sources are not at {ROOT} (no capi/idnumber.h or bindings/python/CMakeLists.txt); "
        "build from the repository's bindings/python folder or from a source distribution"
    )

VERSION = re.search(r'#define IDN_VERSION_STRING "([^"]+)"', HEADER.read_text(encoding="utf-8")).group(1)

# What the CMake build of the module reads, by folder of the project, and the
# module's own files: a source distribution holds these and the files at its
# top (setup.py, pyproject.toml, README.md, LICENSE), nothing else.
SDIST_SOURCES = {
    ".": ["CMakeLists.txt"],
    "cmake": ["*.cmake"],
    "core": ["CMakeLists.txt", "*.h", "*.cpp"],
    "records": ["CMakeLists.txt", "*.h", "*.cpp"],
    "capi": ["CMakeLists.txt", "*.h", "*.cpp", "*.map", "*.in"],
    # SHA-256 from the system's cryptography (the scanner's tokens and pseudonyms).
    "platform": ["sha256_*.cpp"],
    "bindings/python": ["CMakeLists.txt", "exports.map"],
    "bindings/python/src": ["*.cpp", "*.h"],
    "bindings/python/src/idnumber": ["*.py", "*.pyi", "py.typed"],
    "bindings/python/examples": ["*.py"],
}
SDIST_TOP = ["setup.py", "pyproject.toml", "README.md", "LICENSE"]

# setuptools' build and egg-info folders, out of the sources: a temporary
# folder, or IDNUMBER_BUILD_DIR, kept for the next build to reuse (and for a
# distribution's build to have its objects at a path of its own choosing).
if os.environ.get("IDNUMBER_BUILD_DIR"):
    SCRATCH = os.path.abspath(os.environ["IDNUMBER_BUILD_DIR"])
    os.makedirs(SCRATCH, exist_ok=True)
else:
    SCRATCH = tempfile.mkdtemp(prefix="idnumber-build-")
    atexit.register(shutil.rmtree, SCRATCH, ignore_errors=True)


class CMakeExtension(Extension):
    """An extension that is a target of the project's CMake build."""

    def __init__(self, name, target):
        super().__init__(name, sources=[])
        self.target = target


class BuildWithCMake(build_ext):
    """Configures the project's CMake build in build_temp and builds each
    extension's target straight into the folder setuptools packs it from."""

    def build_extension(self, ext):
        cmake = shutil.which("cmake")
        if cmake is None:
            raise SystemExit("idnumber: building the extension needs CMake 3.25 or later (Debian: cmake)")
        output = pathlib.Path(self.get_ext_fullpath(ext.name)).resolve()
        build_dir = pathlib.Path(self.build_temp).resolve() / "cmake"
        configure = [
            cmake, "-S", str(ROOT), "-B", str(build_dir),
            "-DIDNUMBER_PYTHON=ON", "-DIDNUMBER_PROGRAMS=OFF", "-DIDNUMBER_TESTS=OFF",
            f"-DPython3_EXECUTABLE={sys.executable}",
            f"-DCMAKE_LIBRARY_OUTPUT_DIRECTORY={output.parent}",
            f"-DCMAKE_BUILD_TYPE={'Debug' if self.debug else 'Release'}",
        ]
        try:
            import pybind11  # a build requirement: here for where its CMake package is
            configure.append(f"-Dpybind11_DIR={pybind11.get_cmake_dir()}")
        except ImportError:
            pass  # CMake looks for the package itself (Debian: pybind11-dev)
        if "CMAKE_GENERATOR" not in os.environ and shutil.which("ninja"):
            configure += ["-G", "Ninja"]
        # Last, so that they win over the defaults above.
        configure += shlex.split(os.environ.get("CMAKE_ARGS", ""))

        build = [cmake, "--build", str(build_dir), "--target", ext.target]
        if "CMAKE_BUILD_PARALLEL_LEVEL" not in os.environ:
            build += ["--parallel", str(self.parallel or os.cpu_count() or 1)]

        environment = dict(os.environ)
        if environment.get("CPPFLAGS"):
            for name in ("CFLAGS", "CXXFLAGS"):
                environment[name] = f"{environment.get(name, '')} {environment['CPPFLAGS']}".strip()
        subprocess.run(configure, check=True, env=environment)
        subprocess.run(build, check=True, env=environment)
        if not output.is_file():
            raise SystemExit(f"idnumber: the CMake target {ext.target} did not write {output}")


def reproducible_tarball(archive, root, base_dir):
    """Writes root/base_dir as the .tar.gz archive, whose bytes depend on the
    files' names and contents alone: entries in sorted order, every one with
    the time SOURCE_DATE_EPOCH (without it, the newest file's), owned by root
    (0), mode 755 for folders and programs and 644 for other files, and a
    gzip header without a file name or time."""
    paths = [os.path.join(base_dir, "")]
    for folder, folders, files in os.walk(os.path.join(root, base_dir)):
        relative = os.path.relpath(folder, root)
        paths += [os.path.join(relative, name, "") for name in folders] + [os.path.join(relative, name) for name in files]
    paths.sort()
    if os.environ.get("SOURCE_DATE_EPOCH", "").isdigit():
        stamp = int(os.environ["SOURCE_DATE_EPOCH"])
    else:
        stamp = int(max(os.stat(os.path.join(root, path)).st_mtime for path in paths))
    with open(archive, "wb") as raw, gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=0) as zipped, \
            tarfile.open(fileobj=zipped, mode="w", format=tarfile.PAX_FORMAT) as tar:
        for path in paths:
            info = tar.gettarinfo(os.path.join(root, path), arcname=path.rstrip("/"))
            executable = info.isdir() or info.mode & 0o111
            info.mode, info.mtime = (0o755 if executable else 0o644), stamp
            info.uid = info.gid = 0
            info.uname = info.gname = "root"
            if info.isdir():
                tar.addfile(info)
            else:
                with open(os.path.join(root, path), "rb") as data:
                    tar.addfile(info, data)
    return archive


class SourceDistribution(sdist):
    """The project's tree as far as the module's build needs it, with the
    packaging files at its top."""

    def make_distribution(self):
        # As distutils' make_distribution, with the tree made in the scratch
        # folder rather than beside the sources (and copies, never hard links).
        base_dir = self.distribution.get_fullname()
        base_name = os.path.abspath(os.path.join(self.dist_dir, base_dir))
        tree = os.path.join(SCRATCH, base_dir)
        shutil.rmtree(tree, ignore_errors=True)
        with self._remove_os_link():
            self.make_release_tree(tree, self.filelist.files)
        self.archive_files = []
        for archive_format in self.formats:
            if archive_format == "gztar":
                archive = reproducible_tarball(base_name + ".tar.gz", SCRATCH, base_dir)
            else:
                archive = self.make_archive(base_name, archive_format, root_dir=SCRATCH, base_dir=base_dir,
                                            owner=self.owner, group=self.group)
            self.archive_files.append(archive)
            self.distribution.dist_files.append(("sdist", "", archive))
        shutil.rmtree(tree)

    def make_release_tree(self, base_dir, files):
        super().make_release_tree(base_dir, [name for name in SDIST_TOP if (HERE / name).is_file()])
        for folder, patterns in SDIST_SOURCES.items():
            for pattern in patterns:
                paths = sorted(path for path in (ROOT / folder).glob(pattern) if path.is_file())
                if not paths:
                    raise SystemExit(f"idnumber: nothing matches {folder}/{pattern} for the source distribution")
                for path in paths:
                    target = os.path.join(base_dir, path.relative_to(ROOT))
                    self.mkpath(os.path.dirname(target))
                    self.copy_file(str(path), target)


# The package layout here rather than in pyproject.toml, whose [tool.setuptools]
# table Debian 12's setuptools (66) still calls beta and warns about.
setup(
    version=VERSION,
    package_dir={"": os.path.relpath(BINDING / "src", HERE)},
    packages=["idnumber"],
    package_data={"idnumber": ["py.typed", "*.pyi"]},
    # The Dask examples, where a wheel keeps documentation: <prefix>/share/doc/idnumber/examples
    # (a venv's share/; Debian's package moves them to /usr/share/doc/python3-idnumber/examples).
    data_files=[("share/doc/idnumber/examples",
                 [os.path.relpath(BINDING / "examples" / name, HERE) for name in ("dask_redact.py", "dask_verify.py")])],
    zip_safe=False,
    include_package_data=False,
    ext_modules=[CMakeExtension("idnumber._native", target="idnumber_python")],
    cmdclass={"build_ext": BuildWithCMake, "sdist": SourceDistribution},
    options={"build": {"build_base": os.path.join(SCRATCH, "build")}, "egg_info": {"egg_base": SCRATCH}},
)
