#!/bin/sh
# The std::string members an exe carries must be the program's own copy (src/app/
# string_instances.cpp, built for the Pentium MMX), not the runtime's, whose members hold CMOV.
# check_string_copy.sh OBJDUMP EXE
objdump=$1 exe=$2
listing=$("$objdump" -d -C --no-show-raw-insn "$exe") || { echo "FAIL: cannot read $exe"; exit 1; }
printf '%s\n' "$listing" | awk '
  # The C++98 forms taking a mutable iterator come from the runtime alone: the program is C++17.
  /^[0-9a-f]+ <.*>:$/ { inString = index($0, "<std::__cxx11::basic_string<char,") > 0 &&
                                   index($0, "__normal_iterator<char*, ") == 0
                        if (inString) members++; name = $0; next }
  inString && /\tcmov/ { if (!(name in seen)) { seen[name] = 1; print "runtime copy: " name; bad++ } }
  END { if (members < 20) { print "FAIL: only " members " std::string members found"; exit 1 }
        if (bad) { print "FAIL: " bad " std::string members hold CMOV"; exit 1 }
        print members " std::string members, none with CMOV" }'
