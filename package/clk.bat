@echo off
rem Corvane starts this file every time it starts.
rem Put here the command that makes your clock tool write its clock
rem report to clk.txt in this folder (see the tool's own manual).
