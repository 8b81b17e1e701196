#pragma once

// How much something has grown from its first size: the smaller of the two
// ways, never below 1, so that nothing is drawn smaller than at first.
double GrowthScale(int width, int height, int firstWidth, int firstHeight);

// A length of the first layout at scale, rounded to a whole pixel.
int Scaled(int length, double scale);
