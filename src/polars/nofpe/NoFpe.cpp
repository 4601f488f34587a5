// Preloaded into the XFoil child process alone, it keeps XFoil's Fortran run time from switching the
// floating-point traps on.
//
// Debian's XFoil 6.99 dies with SIGFPE in its first viscous solution: at start-up its gfortran run time
// calls _gfortran_set_fpe to trap invalid operations, division by zero and overflow, and XFoil's own
// arithmetic raises such exceptions on the way to results it does not take from them. Preloaded, this
// do-nothing definition is the one the run time's call finds, so the traps stay off. Kelvane's own processes
// never load it: the program sets LD_PRELOAD in the XFoil child's environment only.

extern "C" void _gfortran_set_fpe(int traps) { static_cast<void>(traps); }
