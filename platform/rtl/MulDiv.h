#pragma once
// MulDiv: number * numerator / denominator with a 64-bit intermediate,
// rounded half away from zero, as the platform computes it. A zero
// denominator or a result outside the 32-bit range gives -1 (the caller
// cannot tell that from a real -1, as with the platform's own call).
namespace plat {

int MulDiv(int number, int numerator, int denominator);

}  // namespace plat
