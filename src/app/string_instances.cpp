// The members of std::string, built here for the Pentium MMX. The runtime carries them built for
// the Pentium Pro, and its compare, find, substr and kin hold CMOV (a length's minimum, a
// position's clamp): on a Socket 7 processor each call would trap into the P6 handler, and the
// registry tab alone compares some six hundred names while it loads. An explicit instantiation
// in the program gives the linker a copy of every member before it reaches the runtime's, and it
// takes the first.
#include <string>

template class std::__cxx11::basic_string<char>;
