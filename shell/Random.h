#pragma once
// The program's one uniform random generator.

#include <cstdint>

void Randomize();                   // seed from the system clock
void Randomize(std::uint64_t seed); // a fixed seed, for repeatable runs
double Rnd();                       // uniform in [0, 1)
