#include "shell/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937_64& generator() {
    static std::mt19937_64 g(1);
    return g;
}
} // namespace

void Randomize() {
    Randomize(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void Randomize(std::uint64_t seed) {
    generator().seed(seed);
}

double Rnd() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}
