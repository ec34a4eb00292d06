#!/usr/bin/env python3
"""Tests of the Windows 95 import check on made-up import tables: a stand-in objdump prints
them as binutils' objdump -p does, and the check must take what Windows 95 has and name what it
lacks (a DLL it does not ship, a Windows 98 function, a W stub, an unknown name, an ordinal)."""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECK = os.path.join(HERE, "check")


def table(imports):
    """objdump -p's import part for [(dll, [names])]; "#N" is an import by ordinal N."""
    lines = ["There is an import table in .idata at 0x45b000", "",
             "The Import Tables (interpreted .idata section contents)"]
    for dll, names in imports:
        lines += [" vma:            Hint    Time      Forward  DLL       First",
                  "                 Table   Stamp     Chain    Name      Thunk",
                  " 0005b014\t0005b094 00000000 00000000 0005bd54 0005b2b4", "",
                  f"\tDLL Name: {dll}", "\tvma:  Hint/Ord Member-Name Bound-To"]
        for i, name in enumerate(names):
            if name.startswith("#"):
                lines.append(f"\t80000{i:03x}\t {int(name[1:]):4d}  <none>")
            else:
                lines.append(f"\t5b4{i:02x}\t {1500 + i:4d}  {name}")
        lines.append("")
    lines.append(" 00000000\t00000000 00000000 00000000 00000000 00000000")
    return "\n".join(lines) + "\n"


class Win95ImportCheck(unittest.TestCase):
    def run_check(self, imports):
        with tempfile.TemporaryDirectory() as folder:
            dump = os.path.join(folder, "dump.txt")
            with open(dump, "w") as f:
                f.write(table(imports))
            objdump = os.path.join(folder, "objdump")
            with open(objdump, "w") as f:
                f.write(f"#!/bin/sh\ncat '{dump}'\n")
            os.chmod(objdump, 0o755)
            done = subprocess.run([sys.executable, CHECK, "made-up.exe"], capture_output=True,
                                  text=True, env=dict(os.environ, OBJDUMP=objdump))
        return done.returncode, done.stdout

    def test_what_windows_95_has_passes_whatever_the_case_of_the_dll(self):
        rc, out = self.run_check([("KERNEL32.dll", ["GetProcessHeap", "HeapAlloc", "lstrlenW"]),
                                  ("COMCTL32.DLL", ["InitCommonControls"]),
                                  ("user32.dll", ["MsgWaitForMultipleObjects"])])
        self.assertEqual(rc, 0, out)
        self.assertIn("5 checked, 0 missing", out)

    def test_msvcrt_is_refused_function_by_function(self):
        rc, out = self.run_check([("KERNEL32.dll", ["ExitProcess"]),
                                  ("msvcrt.dll", ["malloc", "_initterm"])])
        self.assertEqual(rc, 1)
        self.assertIn("MISSING msvcrt.dll!malloc: msvcrt.dll is not a DLL of Windows 95", out)
        self.assertIn("MISSING msvcrt.dll!_initterm", out)
        self.assertIn("3 checked, 2 missing", out)

    def test_later_functions_are_refused_with_their_reason(self):
        rc, out = self.run_check([("KERNEL32.dll", ["IsDebuggerPresent", "CreateSemaphoreW"]),
                                  ("COMCTL32.dll", ["InitCommonControlsEx"])])
        self.assertEqual(rc, 1)
        self.assertIn("KERNEL32.dll!IsDebuggerPresent: not in Windows 95: Windows 98", out)
        self.assertIn("CreateSemaphoreW: not in Windows 95: a stub", out)
        self.assertIn("InitCommonControlsEx: not in Windows 95: comctl32 4.70", out)

    def test_a_name_nobody_wrote_down_is_refused(self):
        rc, out = self.run_check([("GDI32.dll", ["SelectObject", "GdiMadeUpFunction"])])
        self.assertEqual(rc, 1)
        self.assertIn("GDI32.dll!GdiMadeUpFunction: not among Windows 95's documented", out)
        self.assertNotIn("SelectObject", out)

    def test_an_import_by_ordinal_is_refused(self):
        rc, out = self.run_check([("COMCTL32.dll", ["InitCommonControls", "#410"])])
        self.assertEqual(rc, 1)
        self.assertIn("COMCTL32.dll!#410: imported by ordinal 410", out)

    def test_an_exe_without_imports_is_not_taken_for_a_clean_one(self):
        rc, out = self.run_check([])
        self.assertEqual(rc, 1, "no import at all means the table was not read")

    def test_every_list_is_a_dll_of_windows_95_and_names_each_function_once(self):
        lists = os.path.join(HERE, "windows95")
        files = sorted(f for f in os.listdir(lists) if f.endswith(".txt"))
        self.assertIn("KERNEL32.txt", files)
        self.assertNotIn("MSVCRT.txt", files)
        for file in files:
            with open(os.path.join(lists, file), encoding="ascii") as f:
                names = [l.strip().lstrip("!").split()[0] for l in f
                         if l.strip() and not l.startswith("#")]
            self.assertEqual(len(names), len(set(names)), f"a name twice in {file}")


if __name__ == "__main__":
    unittest.main()
