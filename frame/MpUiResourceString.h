// User texts of the resource module, and the tolerance comparison of doubles.
#pragma once
#include <string>

// The text of string resource id of the resource module with the inserts in place of "%1" to
// "%4"; callers pass empty strings for inserts the text does not take. A missing id gives what
// the utility library's lookup gives for it.
std::string getResourceString(unsigned int id, std::string insert1, std::string insert2, std::string insert3,
                              std::string insert4);

// Whether a lies in the closed interval [b - tolerance, b + tolerance]. A NaN anywhere and a
// negative tolerance give false.
bool isNearlyEqual(const double& a, const double& b, const double& tolerance);
