#pragma once
// The program's compiled-in resources live in the static library: they must be registered
// once before the first use.

void initResources();
