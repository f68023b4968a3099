#!/usr/bin/env python3
"""The release's files as a user downloads them, read without installing any.

  - the folder holds exactly the artifacts of one version, the release's
    (the C API header's MAJOR.MINOR.PATCH), each named with it, and
    SHA256SUMS listing every other file;
  - every package carries that version: the Debian packages' Version, the
    wheel's and the sdist's metadata, the npm tarball's package.json, the
    jar's manifest and Maven properties, the PostgreSQL extension's version;
    and every Windows program and DLL in the zips its version resource
    MAJOR.MINOR.PATCH.0 and idtool.exe its --version text;
  - the PostgreSQL package depends on the major version of its server only,
    as Debian's archive may hold an older minor version than the build
    machine's;
  - each zip's 读我.txt is about that zip (its name, its version, its
    platform) and lists exactly the files the zip holds, in both languages;
  - the wheel's metadata names its licence; the Dask example is in the wheel,
    the sdist and python3-idnumber (as Debian places examples);
  - the npm tarball's package.json runs no script that needs a file the
    tarball lacks;
  - the web page's archive holds the built page, the same bytes.

Usage: check_artifacts.py DIST [WEB_BUILD]   (WEB_BUILD: the built page, build/wasm/web)
Prints one line per failure and exits 1 when there is one.
"""
import io
import json
import pathlib
import re
import struct
import subprocess
import sys
import tarfile
import zipfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
DEBIAN_PACKAGES = ["idtool", "libidnumber-dev", "libidnumber3", "libsqlite3-mod-idnumber",
                   "mariadb-plugin-idnumber", "postgresql-15-idnumber", "python3-idnumber"]
PLATFORMS = ["win32", "win64"]
failures = []


def fail(text):
    failures.append(text)
    print(f"FAIL: {text}")


def release_version():
    return subprocess.run([str(ROOT / "scripts" / "release_version.sh")], check=True, capture_output=True,
                          text=True).stdout.strip()


def deb_field(deb, field):
    return subprocess.run(["dpkg-deb", "-f", str(deb), field], check=True, capture_output=True,
                          text=True).stdout.strip()


def deb_files(deb):
    listing = subprocess.run(["dpkg-deb", "--fsys-tarfile", str(deb)], check=True, capture_output=True).stdout
    with tarfile.open(fileobj=io.BytesIO(listing)) as archive:
        return {member.name.lstrip("."): member for member in archive.getmembers()}, listing


def deb_read(deb, path):
    _, listing = deb_files(deb)
    with tarfile.open(fileobj=io.BytesIO(listing)) as archive:
        return archive.extractfile("." + path).read()


def fixed_version(program):
    """The file and product versions of a PE file's version resource, from its
    VS_FIXEDFILEINFO (found by its signature), as four-part texts."""
    at = program.find(struct.pack("<I", 0xFEEF04BD))
    if at < 0:
        return None
    _, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", program, at)
    text = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
    return text(file_ms, file_ls), text(product_ms, product_ls)


def string_value(program, name):
    """A value of the version resource's string table (UTF-16): the text after
    its name, to the terminating NUL."""
    key = (name + "\0").encode("utf-16-le")
    at = program.find(key)
    if at < 0:
        return None
    at += len(key)
    at += (-at) % 4  # the value starts on a 32-bit boundary
    end = at
    while program[end:end + 2] != b"\0\0":
        end += 2
    return program[at:end].decode("utf-16-le")


def listed_files(note, heading):
    """The names listed under a heading of the note: the first word of each
    line after the heading, to the first blank line."""
    lines = note.splitlines()
    if heading not in lines:
        return None
    names = []
    for line in lines[lines.index(heading) + 1:]:
        if not line.strip():
            break
        if not line.startswith(" "):
            names.append(line.split()[0])
    return names


def check_zip(dist, version, platform):
    name = f"IdNumberTool-{version}-{platform}.zip"
    with zipfile.ZipFile(dist / name) as archive:
        names = archive.namelist()
        for member in names:
            if member.endswith((".exe", ".dll")):
                program = archive.read(member)
                versions = fixed_version(program)
                wanted = f"{version}.0"
                if versions != (wanted, wanted):
                    fail(f"{name}: {member}'s version resource is {versions}, not {wanted}")
                for key in ("FileVersion", "ProductVersion"):
                    if string_value(program, key) != wanted:
                        fail(f"{name}: {member}'s {key} is {string_value(program, key)!r}, not {wanted}")
                if member == "idtool.exe" and f"idtool {version}\0".encode() not in program:
                    fail(f"{name}: idtool.exe's --version is not 'idtool {version}'")
        if "读我.txt" not in names:
            fail(f"{name}: no 读我.txt")
            return
        note = archive.read("读我.txt").decode("utf-8-sig").replace("\r\n", "\n")
    other = f"IdNumberTool-{version}-{next(p for p in PLATFORMS if p != platform)}.zip"
    if name not in note or other in note:
        fail(f"{name}: its 读我.txt does not name this zip alone (it should name {name}, not {other})")
    if version not in note:
        fail(f"{name}: its 读我.txt does not give the version {version}")
    for heading in ("【文件】", "FILES"):
        listed = listed_files(note, heading)
        if listed is None:
            fail(f"{name}: its 读我.txt has no {heading} section")
        elif sorted(listed) != sorted(names):
            fail(f"{name}: its 读我.txt lists {listed} under {heading}, but the zip holds {names}")


def check_debs(dist, version):
    for package in DEBIAN_PACKAGES:
        deb = dist / f"{package}_{version}_amd64.deb"
        if not deb.exists():
            continue  # named by the file list's check
        if deb_field(deb, "Package") != package or deb_field(deb, "Version") != version:
            fail(f"{deb.name}: Package {deb_field(deb, 'Package')}, Version {deb_field(deb, 'Version')}")
    postgresql = dist / f"postgresql-15-idnumber_{version}_amd64.deb"
    if postgresql.exists():
        depends = [item.strip() for item in deb_field(postgresql, "Depends").split(",")]
        server = [item for item in depends if item.startswith("postgresql-15")]
        if server != ["postgresql-15"]:
            fail(f"{postgresql.name} depends on {server}, not on the major version alone (postgresql-15)")
        files, _ = deb_files(postgresql)
        control = deb_read(postgresql, "/usr/share/postgresql/15/extension/idnumber.control").decode()
        default = re.search(r"^default_version = '([^']*)'", control, re.M)
        if not default or default.group(1) != version:
            fail(f"{postgresql.name}: the extension's default_version is {default and default.group(1)}, not {version}")
        if f"/usr/share/postgresql/15/extension/idnumber--{version}.sql" not in files:
            fail(f"{postgresql.name}: no idnumber--{version}.sql, the extension's script of this version")
    python = dist / f"python3-idnumber_{version}_amd64.deb"
    if python.exists():
        files, _ = deb_files(python)
        for example in ("dask_redact.py", "dask_verify.py"):
            if f"/usr/share/doc/python3-idnumber/examples/{example}" not in files:
                fail(f"{python.name}: no /usr/share/doc/python3-idnumber/examples/{example}")


def check_python(dist, version, wheel):
    with zipfile.ZipFile(dist / wheel) as archive:
        metadata = archive.read(f"idnumber-{version}.dist-info/METADATA").decode()
        names = archive.namelist()
    if not re.search(rf"^Version: {re.escape(version)}$", metadata, re.M):
        fail(f"{wheel}: METADATA's Version is not {version}")
    license_field = re.search(r"^License: (.*)$", metadata, re.M)
    if not license_field or license_field.group(1).strip() != "MIT":
        fail(f"{wheel}: METADATA's License is {license_field and license_field.group(1)!r}, not MIT")
    if "License :: OSI Approved :: MIT License" not in metadata:
        fail(f"{wheel}: METADATA has no licence classifier")
    for name in ("dask_redact.py", "dask_verify.py"):
        example = f"idnumber-{version}.data/data/share/doc/idnumber/examples/{name}"
        if example not in names:
            fail(f"{wheel}: no {example} (installed as <prefix>/share/doc/idnumber/examples/{name})")
    sdist = dist / f"idnumber-{version}.tar.gz"
    if sdist.exists():
        with tarfile.open(sdist) as archive:
            members = archive.getnames()
            info = archive.extractfile(f"idnumber-{version}/PKG-INFO").read().decode()
        if not re.search(rf"^Version: {re.escape(version)}$", info, re.M):
            fail(f"{sdist.name}: PKG-INFO's Version is not {version}")
        if f"idnumber-{version}/bindings/python/examples/dask_verify.py" not in members:
            fail(f"{sdist.name}: no bindings/python/examples/dask_verify.py")


def check_npm(dist, version):
    tarball = dist / f"idnumber-{version}.tgz"
    if not tarball.exists():
        return
    with tarfile.open(tarball) as archive:
        names = {name[len("package/"):] for name in archive.getnames()}
        manifest = json.loads(archive.extractfile("package/package.json").read())
    if manifest.get("version") != version:
        fail(f"{tarball.name}: package.json's version is {manifest.get('version')}, not {version}")
    for script, command in manifest.get("scripts", {}).items():
        needed = [word for word in command.split() if "/" in word or word.endswith((".js", ".mjs", ".cjs"))]
        missing = [word for word in needed if word not in names]
        if missing:
            fail(f"{tarball.name}: package.json's script {script} ({command}) needs {missing}, not in the tarball")


def check_jar(dist, version):
    jar = dist / f"idnumber-{version}.jar"
    if not jar.exists():
        return
    with zipfile.ZipFile(jar) as archive:
        manifest = archive.read("META-INF/MANIFEST.MF").decode()
        properties = archive.read("META-INF/maven/org.idnumbertool/idnumber/pom.properties").decode()
    if f"Implementation-Version: {version}" not in manifest.splitlines():
        fail(f"{jar.name}: the manifest's Implementation-Version is not {version}")
    if f"version={version}" not in properties.splitlines():
        fail(f"{jar.name}: pom.properties' version is not {version}")


def check_web(dist, version, web_build):
    archive_path = dist / f"idnumber-web-{version}.zip"
    if not archive_path.exists():
        return
    top = f"idnumber-web-{version}/"
    with zipfile.ZipFile(archive_path) as archive:
        names = [name for name in archive.namelist() if not name.endswith("/")]
        if not all(name.startswith(top) for name in names):
            fail(f"{archive_path.name}: not every file is under {top}")
        held = {name[len(top):]: archive.read(name) for name in names if name.startswith(top)}
    if "index.html" not in held or "idnumber/idnumber.wasm" not in held:
        fail(f"{archive_path.name}: no index.html or idnumber/idnumber.wasm")
    if web_build:
        built = {str(path.relative_to(web_build)): path.read_bytes()
                 for path in sorted(web_build.rglob("*")) if path.is_file()}
        built["LICENSE"] = (ROOT / "LICENSE").read_bytes()
        if held != built:
            fail(f"{archive_path.name}: holds {sorted(held)}, not the built page {sorted(built)} (or other bytes)")


def main(argv):
    if len(argv) not in (2, 3):
        sys.exit(__doc__)
    dist = pathlib.Path(argv[1])
    web_build = pathlib.Path(argv[2]) if len(argv) == 3 else None
    version = release_version()
    wheels = sorted(path.name for path in dist.glob(f"idnumber-{version}-cp*-linux_x86_64.whl"))
    expected = {f"IdNumberTool-{version}-{platform}.zip" for platform in PLATFORMS}
    expected |= {f"{package}_{version}_amd64.deb" for package in DEBIAN_PACKAGES}
    expected |= {f"idnumber-{version}.tar.gz", f"idnumber-{version}.tgz", f"idnumber-{version}.jar",
                 f"idnumber-web-{version}.zip", "SHA256SUMS"}
    expected |= set(wheels) or {f"idnumber-{version}-cp3XX-cp3XX-linux_x86_64.whl"}
    actual = {path.name for path in dist.iterdir()}
    if actual != expected:
        fail(f"the release holds {sorted(actual - expected)} besides, and lacks {sorted(expected - actual)}")
    if (dist / "SHA256SUMS").exists():
        summed = sorted(line.split("  ", 1)[1] for line in (dist / "SHA256SUMS").read_text().splitlines())
        if summed != sorted(actual - {"SHA256SUMS"}):
            fail(f"SHA256SUMS lists {summed}, not the release's other files")
    for platform in PLATFORMS:
        if (dist / f"IdNumberTool-{version}-{platform}.zip").exists():
            check_zip(dist, version, platform)
    check_debs(dist, version)
    for wheel in wheels:
        check_python(dist, version, wheel)
    check_npm(dist, version)
    check_jar(dist, version)
    check_web(dist, version, web_build)
    if failures:
        print(f"artifacts: {len(failures)} check(s) failed")
        sys.exit(1)
    print(f"artifacts: version {version} in every name, package and program; notes, metadata and contents as expected")


if __name__ == "__main__":
    main(sys.argv)
