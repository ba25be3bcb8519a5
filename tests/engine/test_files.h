// Temporary files, a reference critical-point table and prepared states for the engine tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/analysis_state.h"
#include "engine/critical_points.h"

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
    std::string file = (std::filesystem::path(path_) / name).string();
    std::ofstream(file, std::ios::binary) << contents;
    return file;
  }
  std::string file(const std::string& name) const {
    return (std::filesystem::path(path_) / name).string();
  }

 private:
  std::string path_;
};

// The 0.05 points of the chi-square distribution for 1..17 degrees of freedom (all
// a run of up to 20 intervals can ask for), read from the shipped data/exttable.txt,
// in the column the test reads; the other columns stay 0.
inline CriticalPointTable referenceTable() {
  CriticalPointTable shipped;
  std::ifstream in(TARNEK_DATA_DIR "/exttable.txt", std::ios::binary);
  if (readCriticalPoints(in, shipped) != TableLoad::Loaded)
    throw std::runtime_error("the shipped data/exttable.txt did not load");
  CriticalPointTable table;
  for (size_t d = 1; d <= 17; ++d) table.cells[d][kTestColumn] = shipped.cells[d][kTestColumn];
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
