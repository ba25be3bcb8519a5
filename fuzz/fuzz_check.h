// The check of the fuzz targets: it holds in every build type and aborts, so the input is kept.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// `detail` is evaluated only when the check fails, so it may build strings freely.
#define FUZZ_CHECK(condition, detail)                                                         \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      const std::string fuzzDetail_ = (detail);                                               \
      std::fprintf(stderr, "%s:%d: check failed: %s\n  %s\n", __FILE__, __LINE__, #condition, \
                   fuzzDetail_.c_str());                                                      \
      std::abort();                                                                           \
    }                                                                                         \
  } while (false)
