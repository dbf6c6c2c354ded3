// User texts of the resource module, and the tolerance comparison of doubles.
#include "MpUiResourceString.h"
#include "MpResourceString.h"

std::string getResourceString(unsigned int id, std::string insert1, std::string insert2, std::string insert3,
                              std::string insert4) {
  // The library's one road to its texts: no text of the library takes a fifth or sixth insert.
  return MpGetResourceString(id, insert1, insert2, insert3, insert4, "", "");
}

bool isNearlyEqual(const double& a, const double& b, const double& tolerance) {
  // A NaN operand fails the first comparison, which then decides alone.
  if (!(b + tolerance >= a)) return false;
  return !(b - tolerance > a);
}
