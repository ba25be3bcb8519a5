// Temporary files, a reference critical-point table and prepared states for the engine tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis_state.h"

namespace engine::testing {

// A directory that exists for one test and is removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnek-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Writes `contents` to `name` in the directory and returns its full path.
  std::string write(const std::string& name, const std::string& contents) const {
    const std::string file = (std::filesystem::path(path_) / name).string();
    std::ofstream(file, std::ios::binary) << contents;
    return file;
  }
  std::string file(const std::string& name) const {
    return (std::filesystem::path(path_) / name).string();
  }

 private:
  std::string path_;
};

// The 0.05 points of the chi-square distribution for 1..17 degrees of freedom,
// in the column the test reads; the other columns stay 0.
inline CriticalPointTable referenceTable() {
  static const float points[] = {3.841f,  5.991f,  7.815f,  9.488f,  11.070f, 12.592f,
                                 14.067f, 15.507f, 16.919f, 18.307f, 19.675f, 21.026f,
                                 22.362f, 23.685f, 24.996f, 26.296f, 27.587f};
  CriticalPointTable table;
  for (size_t d = 1; d <= std::size(points); ++d) table.cells[d][kTestColumn] = points[d - 1];
  return table;
}

// A state whose sample is already in memory, as after the options dialog.
inline AnalysisState stateInMemory(std::vector<float> values, float h, float xmin, float xmax) {
  AnalysisState state;
  state.FileChanged = false;
  state.FileName = "sample.txt";
  state.IntervalLength = h;
  state.Xmin = xmin;
  state.Xmax = xmax;
  state.CriticalPoints = referenceTable();
  for (size_t i = 0; i < values.size(); ++i) state.Sample[i] = values[i];
  state.SampleCount = static_cast<int32_t>(values.size());
  return state;
}

}  // namespace engine::testing
