#!/usr/bin/env python3
"""The registry guard on a copy of the sources: clean as it is, and failing, with the file and
what it found, for each page planted in it that reaches the registry past the settings objects.

Usage: registry_guard_test.py PROJECT_ROOT
"""
import os
import shutil
import subprocess
import sys
import tempfile

# (file planted, its code, what the guard must report for it)
PLANTED = [
    ("settings/raw_page.cpp",
     '#include "stored/registry_backend.h"\nvoid f(stored::Registry& r) {}\n',
     ["registry_backend.h"]),
    ("overclock/open_page.cpp",
     'void f(Backend& b) { b.openKey(Root, "\\\\Current Settings", true, false); }\n',
     ["openKey", '"\\\\Current Settings"']),
    ("overclock/write_page.cpp",
     'void f(Backend& b, Key k) { b.setValue(k, "overclock", {}); }\n',
     ["setValue", '"overclock"']),
    ("settings/other_case_page.cpp",
     'const char* where = "software\\\\MATROX\\\\powerdesk";\n',
     ['"software\\\\MATROX\\\\powerdesk"']),
    ("cpu/system_call_page.cpp",
     'void f() { RegSetValueExA(0, "x", 0, 1, 0, 0); }\n',
     ["RegSetValueExA"]),
    ("pins/switch_page.cpp",
     '#define CORVANE_RAW_REGISTRY\n#include "stored/registry_key.h"\n',
     ["CORVANE_RAW_REGISTRY"]),
    ("app/key_name_page.cpp",
     'const char* adapter = "MGA PowerDesk";\n',
     ['"MGA PowerDesk"']),
]


def guard(root, src):
    return subprocess.run([sys.executable, os.path.join(root, "cmake", "registry-guard"), src],
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def main():
    root = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory(prefix="registry-guard-") as work:
        src = os.path.join(work, "src")
        shutil.copytree(os.path.join(root, "src"), src)
        clean = guard(root, src)
        if clean.returncode != 0:
            failures.append("the sources as they are fail:\n" + clean.stdout)
        for relative, code, expected in PLANTED:
            path = os.path.join(src, relative)
            with open(path, "w", encoding="utf-8") as f:
                f.write(code)
            result = guard(root, src)
            os.remove(path)
            lines = [l for l in result.stdout.splitlines() if relative in l]
            if result.returncode != 1:
                failures.append("%s: the guard passed it" % relative)
            for word in expected:
                if not any(word in line for line in lines):
                    failures.append("%s: %s not reported\n%s" % (relative, word, result.stdout))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
