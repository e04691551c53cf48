#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "render/NumberFormat.h"

namespace pelk {
namespace {

struct FormatCase {
  float value;
  int digits;
  char separator;
  const char* expected;
};

TEST(NumberFormat, FixedAndScientificTexts) {
  const float inf = std::numeric_limits<float>::infinity();
  const FormatCase cases[] = {
      {0.0f, 1, '.', "0.0"},
      {10.0f, 1, '.', "10.0"},
      {-500.0f, 1, '.', "-500.0"},
      {0.1f, 1, '.', "0.1"},
      {0.25f, 1, '.', "0.3"},             // exact half, away from zero
      {-0.125f, 2, '.', "-0.13"},
      {2.5f, 0, '.', "3"},                // no separator with 0 digits
      {0.4f, 0, '.', "0"},
      {0.15f, 1, '.', "0.2"},             // float is 0.1500000059...
      {2.675f, 2, '.', "2.67"},           // float is 2.67499995...
      {1.005f, 2, '.', "1.00"},
      {0.045f, 2, '.', "0.05"},
      {99999.995f, 2, '.', "99999.99"},   // float is 99999.9921875
      {99999.995f, 1, '.', "100000.0"},   // carry into a new digit
      {9.96f, 1, '.', "10.0"},
      {123456789.0f, 1, '.', "123456792.0"},
      {987654321.0f, 2, '.', "987654336.00"},
      {-0.04f, 1, '.', "0.0"},            // rounds to zero: no sign
      {-0.0f, 2, '.', "0.00"},
      {-0.05f, 1, '.', "-0.1"},
      // 9 significant digits at most; beyond them zeros.
      {0.1f, 18, '.', "0.100000001000000000"},
      {1.0f / 3.0f, 12, '.', "0.333333343000"},
      {1.23456789e-5f, 18, '.', "0.000012345679400000"},
      {1.23456789e-5f, 10, '.', "0.0000123457"},
      {1.5e-18f, 18, '.', "0.000000000000000002"},
      {1.0e-45f, 18, '.', "0.000000000000000000"},
      // Digits clamped to 0..18.
      {1.5f, -3, '.', "2"},
      {0.1f, 40, '.', "0.100000001000000000"},
      {1.5f, 2, ',', "1,50"},
      // More than 9 integer digits: scientific.
      {1.0e9f, 1, '.', "1E9"},
      {-1.0e10f, 1, '.', "-1E10"},
      {12345678848.0f, 1, '.', "1.23456788E10"},
      {17179869184.0f, 3, ',', "1,71798692E10"},
      {std::numeric_limits<float>::max(), 1, '.', "3.40282347E38"},
      {std::numeric_limits<float>::quiet_NaN(), 1, '.', "NAN"},
      {inf, 1, '.', "INF"},
      {-inf, 1, '.', "-INF"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.digits, c.separator), c.expected)
        << "value " << c.value << " digits " << c.digits;
  }
}

}  // namespace
}  // namespace pelk
