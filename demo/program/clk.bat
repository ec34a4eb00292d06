@echo off
rem Has the clock tool write its report, clk.txt, beside this file.
"%~dp0G200clk.exe" /r
