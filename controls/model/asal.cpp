#include "asal.h"

#include <cmath>

bool IsPrime(int n)
{
    // Below 4 the loop is empty; this also keeps negative numbers away from sqrt.
    if (n < 4)
        return true;
    const int sinir = static_cast<int>(std::sqrt(static_cast<double>(n)));
    for (int d = 2; d <= sinir; ++d)
        if (n % d == 0)
            return false;
    return true;
}
