#include "puzzle/BoardRules.h"

bool stepEmptyCell(ShuffleDirection d, rt::Integer N, rt::Integer& c, rt::Integer& r) {
    // The tests run in this order, the first that applies wins.
    if (d == ShuffleDirection::Left && c > 0)
        --c;
    else if (c < N - 1 && d == ShuffleDirection::Right)
        ++c;
    else if (d == ShuffleDirection::Up && r > 0)
        --r;
    else if (r < N - 1 && d == ShuffleDirection::Down)
        ++r;
    else
        return false;
    return true;
}

bool isNextToEmpty(rt::Integer k, rt::Integer emptyCell, rt::Integer N) {
    const rt::Integer ec = rt::mod(emptyCell, N), er = rt::idiv(emptyCell, N);
    const rt::Integer kc = rt::mod(k, N), kr = rt::idiv(k, N);
    return (kr == er && (kc == ec + 1 || kc == ec - 1)) || (kc == ec && (kr == er + 1 || kr == er - 1));
}

bool isSolvedOrder(const QStringList& tags, rt::Integer N) {
    const int last = N * N - 1;
    for (int i = 0; i < last; ++i) {
        if (i >= tags.size() || rt::Val(tags[i]) != i + 1)
            return false;
    }
    return true;
}
