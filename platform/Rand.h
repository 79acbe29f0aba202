// The program's own pseudo-random generator: the state x becomes x * 214013 + 2531011 modulo 2^32
// and rand() returns bits 16 to 30 of the new state (0 to 32767). Each thread has its own state,
// starting at 1, so every view's thread draws its own sequence.
#pragma once

#include <cstdint>

namespace dulm {

void srand(unsigned seed);
int rand();

}  // namespace dulm
