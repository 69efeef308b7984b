#!/usr/bin/env python3
"""check-layers.py [ROOT]

Fails when the project crosses the layers of tools/layers.txt:
- a source file includes a folder its folder's row does not allow (a test of folder X
  anything the libraries of X bring: X's row, their rows and so on);
- outside an engine's folder, a file includes anything of the engine but its face
  (the "faces:" line of the table);
- a plain folder (a row without "qt") or the tests of one include Qt, or link it;
- a target_link_libraries of one of the project's targets links a project library of
  a folder the row of the target's folder does not allow;
- a test program (tests/X, CMake files of tests/X) links a project library that the
  row of X does not allow: tests/X follows the row of X (tests/fuzz the row of cli,
  whose inputs its harnesses feed);
- a folder with sources, or a folder of tests, is not in the table.
The benchmarks (bench/) measure across the layers and are not checked.
"""
import os
import re
import sys

TABLE = "tools/layers.txt"
# Folders that hold no sources of the program.
NOT_SOURCES = {"tests", "bench", "tools", "cmake", "packaging", "docs"}
# Folders of tests/ that mirror no source folder, and the row they follow (None: they
# hold no C++ and no links).
TEST_ROWS = {"fuzz": "cli", "golden": None, "tools": None}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z]|qt)")
CMAKE_COMMAND = re.compile(r"([A-Za-z_][A-Za-z0-9_]*)\s*\(")
VARIABLE = re.compile(r"\$\{([A-Za-z0-9_]+)\}")
NAME = re.compile(r"[A-Za-z0-9_.+-]+")
DEFINES = {"add_library", "add_executable", "hopscope_add_library"}
# The commands of a tests' CMake file that link, and the arguments where the linked
# names begin (after the keyword, or after so many leading arguments).
TEST_LINKS = {
    "target_link_libraries": 1,
    "hopscope_add_gtest": "LIBS",
    "hopscope_add_qttest": "LIBS",
    "hopscope_plain_tests": 0,
    "hopscope_window_tests": 0,
}


def read_table(root):
    rows, faces = {}, []
    with open(os.path.join(root, TABLE), encoding="utf-8") as table:
        for line in table:
            line = line.split("#", 1)[0]
            if ":" not in line:
                continue
            key, uses = line.split(":", 1)
            key = key.strip()
            if key == "faces":
                faces = uses.split()
            elif key:
                rows[key] = uses.split()
    return rows, faces


def folder_of(path, rows):
    """The table folder a path (relative, "/"-separated) lies in: the longest row
    that is a leading part of it, or None."""
    parts = path.split("/")
    for n in range(len(parts), 0, -1):
        candidate = "/".join(parts[:n])
        if candidate in rows:
            return candidate
    return None


def cmake_commands(text):
    """The commands of a CMake file as (name, arguments), comments and quotes handled
    simply: a quoted argument is one argument."""
    text = re.sub(r"#[^\n]*", "", text)
    pos = 0
    while True:
        match = CMAKE_COMMAND.search(text, pos)
        if not match:
            return
        depth, i, start = 1, match.end(), match.end()
        while i < len(text) and depth:
            if text[i] == '"':
                i = text.index('"', i + 1)
            elif text[i] == "(":
                depth += 1
            elif text[i] == ")":
                depth -= 1
            i += 1
        body = text[start : i - 1]
        args = re.findall(r'"[^"]*"|[^\s"]+', body)
        yield match.group(1).lower(), [a.strip('"') for a in args]
        pos = i


class Checker:
    def __init__(self, root):
        self.root = root
        self.rows, self.faces = read_table(root)
        self.problems = []
        self.targets = {}  # project target -> its folder

    def allowed(self, folder):
        return set(self.rows.get(folder, [])) | {folder}

    def reachable(self, folder):
        """The folder, its row, their rows and so on: what a program linked with the
        folder's libraries may use."""
        seen, todo = set(), [folder]
        while todo:
            current = todo.pop()
            if current not in seen:
                seen.add(current)
                todo.extend(u for u in self.rows.get(current, []) if u != "qt")
        return seen

    def is_qt(self, folder):
        return "qt" in self.rows.get(folder, [])

    def walk(self, top):
        for path, dirs, files in os.walk(os.path.join(self.root, top)):
            dirs[:] = sorted(d for d in dirs if not d.startswith((".", "build")))
            rel = os.path.relpath(path, self.root).replace(os.sep, "/")
            yield rel, sorted(files)

    def source_folders(self):
        for rel, files in self.walk("."):
            top = rel.split("/")[0]
            if rel == "." or top in NOT_SOURCES:
                continue
            if any(f.endswith((".cpp", ".h")) for f in files):
                yield rel, files

    def test_folders(self):
        for rel, files in self.walk("tests"):
            if rel == "tests":
                continue
            inner = rel[len("tests/") :]
            top = inner.split("/")[0]
            if top in TEST_ROWS:
                row = TEST_ROWS[top]
                if row is not None:
                    yield rel, files, row
                continue
            folder = folder_of(inner, self.rows)
            if folder is None:
                if any(f.endswith((".cpp", ".h")) or f == "CMakeLists.txt" for f in files):
                    self.problems.append(f"{rel}: tests of a folder not in {TABLE}")
                continue
            yield rel, files, folder

    # Includes.
    def check_includes(self, rel, files, folder, tests=False):
        # A test program may use what its folder's libraries bring with them.
        allowed = self.reachable(folder) if tests else self.allowed(folder)
        qt = self.is_qt(folder)
        for name in files:
            if not name.endswith((".cpp", ".h")):
                continue
            file = f"{rel}/{name}"
            with open(os.path.join(self.root, file), encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    where = f"{file}:{number}: {line.strip()}"
                    bracket, header = match.groups()
                    if bracket == "<":
                        if not qt and QT_HEADER.match(header):
                            self.problems.append(f"{where}: Qt in a plain folder")
                        continue
                    # A test support header of a folder's tests is that folder's, but no
                    # part of an engine behind its face.
                    support = header.startswith("tests/")
                    if support:
                        header = header[len("tests/") :]
                    target = folder_of(header, self.rows)
                    if target is None:
                        continue
                    if target not in allowed:
                        self.problems.append(f"{where}: {folder} may not include {target}")
                    for face in [] if support else self.faces:
                        engine = face.split("/")[0]
                        if target == engine and folder != engine and header != face:
                            self.problems.append(f"{where}: outside {engine}, include {face}")

    # Links.
    def collect_targets(self):
        for rel, files in self.source_folders():
            if "CMakeLists.txt" not in files:
                continue
            folder = folder_of(rel, self.rows)
            with open(os.path.join(self.root, rel, "CMakeLists.txt"), encoding="utf-8") as f:
                for command, args in cmake_commands(f.read()):
                    if command in DEFINES and args and folder:
                        self.targets[args[0]] = folder

    def linked(self, args):
        """The project targets and Qt libraries among CMake arguments (inside generator
        expressions too)."""
        for arg in args:
            for name in NAME.findall(arg):
                if name in self.targets or name.startswith("Qt6::"):
                    yield name
            if "Qt6::" in arg:
                yield from re.findall(r"Qt6::\w+", arg)

    def check_link(self, file, folder, name, tests):
        if folder is None:
            if name in self.targets:
                self.problems.append(f"{file}: links {name} outside the folder of its tests")
            return
        what = f"tests of {folder}" if tests else folder
        if name.startswith("Qt6::"):
            if not self.is_qt(folder):
                self.problems.append(f"{file}: Qt linked into the {what}, a plain folder")
            return
        target = self.targets[name]
        if target not in self.allowed(folder):
            self.problems.append(f"{file}: the {what} may not link {target} ({name})")

    def check_source_links(self, rel, folder):
        file = f"{rel}/CMakeLists.txt"
        with open(os.path.join(self.root, file), encoding="utf-8") as f:
            for command, args in cmake_commands(f.read()):
                if command == "target_link_libraries" and args:
                    for name in set(self.linked(args[1:])):
                        self.check_link(file, folder, name, False)

    def check_test_links(self, rel, folder):
        file = f"{rel}/CMakeLists.txt"
        variables = {}
        with open(os.path.join(self.root, file), encoding="utf-8") as f:
            commands = list(cmake_commands(f.read()))
        depth = 0
        for command, args in commands:
            # What a function does is checked where it is called.
            depth += (command == "function") - (command == "endfunction")
            if depth or command == "endfunction":
                continue
            args = [VARIABLE.sub(lambda m: " ".join(variables.get(m.group(1), [])), a) for a in args]
            args = [word for a in args for word in a.split()]
            if command == "set" and args:
                variables[args[0]] = args[1:]
            elif command == "list" and len(args) > 2 and args[0] in ("APPEND", "PREPEND"):
                variables.setdefault(args[1], []).extend(args[2:])
            elif command in TEST_LINKS:
                start = TEST_LINKS[command]
                if isinstance(start, str):
                    start = args.index(start) + 1 if start in args else len(args)
                owner = folder if folder is not None else self.test_folder(command, args)
                for name in set(self.linked(args[start:])):
                    self.check_link(file, owner, name, True)

    def run(self):
        self.collect_targets()
        for rel, files in self.source_folders():
            folder = folder_of(rel, self.rows)
            if folder != rel:
                self.problems.append(f"{rel}: not in {TABLE}")
                continue
            self.check_includes(rel, files, folder)
            if "CMakeLists.txt" in files:
                self.check_source_links(rel, folder)
        for rel, files, folder in self.test_folders():
            self.check_includes(rel, files, folder, tests=True)
            if "CMakeLists.txt" in files:
                self.check_test_links(rel, folder)
        if os.path.exists(os.path.join(self.root, "tests", "CMakeLists.txt")):
            self.check_test_links("tests", None)
        return self.problems

    def test_folder(self, command, args):
        """The folder whose tests a command of the tests' top file registers or links:
        the first argument of hopscope_plain_tests and hopscope_window_tests, else the
        folder the program's name names (test_maps_ui, maps_ui_TestX: maps/ui)."""
        if command in ("hopscope_plain_tests", "hopscope_window_tests"):
            return args[0] if args and args[0] in self.rows else None
        if not args:
            return None
        name = args[0][len("test_") :] if args[0].startswith("test_") else args[0]
        best = None
        for folder in self.rows:
            key = folder.replace("/", "_")
            if (name == key or name.startswith(key + "_")) and (
                best is None or len(folder) > len(best)
            ):
                best = folder
        return best


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    problems = Checker(root).run()
    if problems:
        print(f"What crosses the layers of {TABLE}:")
        print("\n".join(problems))
        return 1
    print(f"every include and link keeps to the layers of {TABLE}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
