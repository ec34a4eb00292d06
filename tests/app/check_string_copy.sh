#!/bin/sh
# The std::string members an exe carries must be the program's own copy (src/app/
# string_instances.cpp, built for the Pentium MMX), not the runtime's, whose members hold CMOV.
# The C++98 forms taking a mutable iterator come from the runtime alone: the program is C++17.
# check_string_copy.sh OBJDUMP EXE
"$1" -d -C --no-show-raw-insn "$2" | awk '
  /^[0-9a-f]+ <.*>:$/ { own = index($0, "<std::__cxx11::basic_string<char,") && !index($0, "__normal_iterator<char*, ")
                        members += own; name = $0; next }
  own && /\tcmov/ && !(name in seen) { seen[name] = 1; print "runtime copy: " name; bad++ }
  END { if (members < 20) { print "FAIL: only " members " std::string members found"; exit 1 }
        if (bad) { print "FAIL: " bad " std::string members hold CMOV"; exit 1 }
        print members " std::string members, none with CMOV" }'
