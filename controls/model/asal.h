#pragma once

// Prime test of the activities: every d from 2 up to the square root of n is
// tried. 0, 1, 2 and 3 all count as prime; the factor tree relies on 1 being
// prime for its hidden placeholder children.
bool IsPrime(int n);
