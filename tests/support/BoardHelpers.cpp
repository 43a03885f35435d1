#include "support/BoardHelpers.h"

#include "render/ImageControl.h"
#include "shell/Random.h"

QStringList boardTags(const frmMirvel& f) {
    QStringList tags;
    for (int i = 0; i < f.GridSize * f.GridSize; ++i)
        tags.append(f.imgPuzz[i]->Tag());
    return tags;
}

std::vector<int> replayShuffleWalk(std::uint64_t seed, int n, int empty) {
    Randomize(seed);
    std::vector<int> walk{empty};
    int col = empty % n, row = empty / n;
    while (walk.size() - 1 < static_cast<std::size_t>(n * n * n * n)) {
        const int d = static_cast<int>(4 * Rnd());
        int c = col, r = row;
        if (d == 0 && col > 0)
            --c;
        else if (d == 1 && col < n - 1)
            ++c;
        else if (d == 2 && row > 0)
            --r;
        else if (d == 3 && row < n - 1)
            ++r;
        else
            continue;
        col = c;
        row = r;
        walk.push_back(row * n + col);
    }
    return walk;
}

void pressWalkBackwards(frmMirvel& f, const std::vector<int>& walk) {
    for (auto it = walk.rbegin() + 1; it != walk.rend(); ++it)
        f.imgPuzz_MouseDown(*it, Qt::LeftButton, Qt::NoModifier, 1, 1);
}
