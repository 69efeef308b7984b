#!/usr/bin/env python3
"""check-layers-test.py ROOT

The layer check fails on every kind of crossing: each row below plants one in a scratch
copy of the tree (sources, tests, CMake files, the table and the checker) in a
temporary folder and expects tools/check-layers.py to fail naming it. The unchanged
copy must pass first, so that each failure is the planted one's.
"""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
KEEP = (".cpp", ".h", ".txt", ".py", ".cmake")

# name, files to write (path -> text appended, or created), what the report must say
PLANTS = [
    ("an include the row does not allow",
     {"core/Numeric.cpp": '#include "report/PredictionTable.h"\n'},
     "core/Numeric.cpp:", "core may not include report"),
    ("a link the row does not allow",
     {"core/CMakeLists.txt": "target_link_libraries(hopscope_core PRIVATE hopscope_settings)\n"},
     "core/CMakeLists.txt: the core may not link settings"),
    ("a test program's link its folder's row does not allow",
     {"tests/core/CMakeLists.txt": "target_link_libraries(test_core PRIVATE hopscope_engine)\n"},
     "tests/core/CMakeLists.txt: the tests of core may not link engine"),
    ("a test program of the tests' top file linking past its folder's row",
     {"tests/CMakeLists.txt": "hopscope_plain_tests(core hopscope_core hopscope_engine)\n"},
     "tests/CMakeLists.txt: the tests of core may not link engine"),
    ("Qt included in a plain folder",
     {"settings/SettingsFile.cpp": "#include <QString>\n"},
     "settings/SettingsFile.cpp:", "Qt in a plain folder"),
    ("Qt linked into a plain folder",
     {"atlas/CMakeLists.txt": "target_link_libraries(hopscope_atlas PRIVATE Qt6::Core)\n"},
     "atlas/CMakeLists.txt: Qt linked into the atlas, a plain folder"),
    ("Qt included in the tests of a plain folder",
     {"tests/core/TestNumeric.cpp": "#include <QtTest>\n"},
     "tests/core/TestNumeric.cpp:", "Qt in a plain folder"),
    ("a reach past the classic engine's face",
     {"report/PredictionTable.cpp": '#include "engine/ELayer.h"\n'},
     "outside engine, include engine/Propagation.h"),
    ("a reach past a second engine's face (the faces come from the table)",
     {"p533/CircuitPrediction.h": "#pragma once\n",
      "p533/Layers.h": "#pragma once\n",
      "p533/CMakeLists.txt": "hopscope_add_library(hopscope_p533)\n",
      "tools/layers.txt": "p533: core\n",
      "cli/CMakeLists.txt": "target_link_libraries(hopscope_cli_commands PUBLIC hopscope_p533)\n",
      "cli/IsoDate.cpp": '#include "p533/CircuitPrediction.h"\n#include "p533/Layers.h"\n'},
     "cli/IsoDate.cpp:", "outside p533, include p533/CircuitPrediction.h"),
    ("a source folder not in the table",
     {"newproduct/Thing.cpp": "int Thing() { return 1; }\n"},
     "newproduct: not in tools/layers.txt"),
    ("a folder of tests whose folder is not in the table",
     {"tests/newproduct/TestThing.cpp": "int TestThing() { return 1; }\n"},
     "tests/newproduct: tests of a folder not in tools/layers.txt"),
]


def copy_tree(target):
    for path, dirs, files in os.walk(ROOT):
        rel = os.path.relpath(path, ROOT)
        dirs[:] = [d for d in dirs
                   if not d.startswith((".", "build")) and d not in ("golden", "corpus", "data")]
        for name in files:
            if name.endswith(KEEP):
                os.makedirs(os.path.join(target, rel), exist_ok=True)
                shutil.copy2(os.path.join(path, name), os.path.join(target, rel, name))


def check(tree):
    run = subprocess.run([sys.executable, os.path.join(tree, "tools", "check-layers.py"), tree],
                         capture_output=True, text=True)
    return run.returncode, run.stdout + run.stderr


def main():
    failures = 0
    with tempfile.TemporaryDirectory(prefix="hopscope-layers-") as scratch:
        clean = os.path.join(scratch, "clean")
        copy_tree(clean)
        status, report = check(clean)
        if status != 0:
            print("the unchanged copy does not pass:\n" + report)
            return 1
        for name, files, *expected in PLANTS:
            tree = os.path.join(scratch, "plant")
            shutil.rmtree(tree, ignore_errors=True)
            shutil.copytree(clean, tree)
            for path, text in files.items():
                full = os.path.join(tree, path)
                os.makedirs(os.path.dirname(full), exist_ok=True)
                with open(full, "a", encoding="utf-8") as f:
                    f.write(text)
            if "p533/CircuitPrediction.h" in files:
                # cli's row allows the second engine, so that only its face is crossed.
                table = os.path.join(tree, "tools", "layers.txt")
                with open(table, encoding="utf-8") as f:
                    lines = f.read().splitlines()
                lines = [l.replace("cli:", "cli:         p533", 1) if l.startswith("cli:") else l
                         for l in lines]
                with open(table, "w", encoding="utf-8") as f:
                    f.write("\n".join(lines) + "\n")
            status, report = check(tree)
            lines = report.splitlines()
            found = any(all(part in line for part in expected) for line in lines)
            if status == 0 or not found:
                failures += 1
                print(f"FAILED to catch {name}: expected a line with {expected}, got status "
                      f"{status}:\n{report}")
            else:
                print(f"caught {name}: " + next(l for l in lines if all(p in l for p in expected)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
