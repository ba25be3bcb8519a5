// Looking at a sample file for signs that it is not in the program's format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct SampleFinding {
  enum class Kind {
    FirstLooksLikeValue,  // the first number lies among the values: h is missing
    HeaderLine,           // a line without numbers before or among the values
    SeveralColumns,       // fields separated by ";", tabs or ",", or a running index column
    DecimalComma,         // a number written with a decimal comma
    Utf16Text,            // UTF-16 text, which the analysis cannot read
    MoreThan200Values,    // more than 200 values after the interval length
  };
  Kind kind = Kind::HeaderLine;
  int32_t line = 0;  // 1-based line of the evidence
  std::string text;  // the evidence, UTF-8, cut to 40 characters: the number, the line…
};

// Findings in the order of the kinds above, at most one of each kind, each
// naming the first line that shows it. No findings: the file reads as the
// program means it. Takes the file's bytes as they are (any encoding
// decodeDataText knows).
std::vector<SampleFinding> checkSampleFile(std::string_view bytes);

// The finding as a Russian sentence for the window's notice.
std::string sampleFindingText(const SampleFinding& finding);

}  // namespace engine
