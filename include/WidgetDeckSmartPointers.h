// The smart-pointer templates that the library's exported classes hold host interfaces in
// (MpSmartPointer, MpZulSmartPointer), with one type per host interface, for a host that
// compiles against include/. They live with the host interfaces, which the maker's library
// shares.
#pragma once
#include "MpSmartPointers.h"
