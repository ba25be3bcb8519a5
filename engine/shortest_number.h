// Numbers as the shortest decimal text that reads back to the same value.
#pragma once

#include <string>

namespace engine {

// Appends the shortest decimal, with "." as the decimal point, that reads back as
// the same float (2.312088, not 2.3120880126953125); an exponent is written as
// "e+20". Appends nothing and returns false for infinities and NaN.
bool appendShortest(std::string& out, float value);

}  // namespace engine
