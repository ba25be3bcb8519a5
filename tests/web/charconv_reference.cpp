// Prints random floats and doubles with what the standard library's std::to_chars writes for
// them, one "f|d BITS TEXT" a line, for the node test to hold the browser module's numbers to.
//   charconv_reference COUNT
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
  std::mt19937_64 random(20240607);
  char text[64];
  for (long i = 0; i < count; ++i) {
    const uint64_t bits = random();
    const auto single = static_cast<uint32_t>(bits);
    float f;
    std::memcpy(&f, &single, sizeof f);
    if (std::isfinite(f)) {
      *std::to_chars(text, text + sizeof text, f).ptr = '\0';
      std::printf("f %" PRIu32 " %s\n", single, text);
    }
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) {
      *std::to_chars(text, text + sizeof text, d).ptr = '\0';
      std::printf("d %" PRIu64 " %s\n", bits, text);
    }
    // Values as the analysis makes them: floats near a sample's, widened.
    const float stored = static_cast<float>(500.0 + static_cast<double>(bits % 200000) / 1000.0);
    *std::to_chars(text, text + sizeof text, stored).ptr = '\0';
    uint32_t storedBits;
    std::memcpy(&storedBits, &stored, sizeof stored);
    std::printf("f %" PRIu32 " %s\n", storedBits, text);
    *std::to_chars(text, text + sizeof text, static_cast<double>(stored)).ptr = '\0';
    uint64_t widenedBits;
    const double widened = stored;
    std::memcpy(&widenedBits, &widened, sizeof widened);
    std::printf("d %" PRIu64 " %s\n", widenedBits, text);
  }
  return 0;
}
