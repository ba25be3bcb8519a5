// The browser page's window: the analysis state, its runs, the options dialog's Apply and
// Cancel, and samples opened from the page, over the page's own folder of files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/analysis_state.h"
#include "engine/option_fields.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"

namespace web {

// The name a pasted sample is saved under before it is opened.
inline constexpr const char* kPastedSampleName = "Данные.txt";

class PageSession {
 public:
  // Starts as the window does: loads the table at `tablePath` (its messages are kept for the
  // page to show), copies the example at `examplePath` into `folder` as "Input.txt" and runs on
  // it there. `folder` becomes the working directory; files opened later are saved into it.
  PageSession(const std::string& folder, const std::string& tablePath,
              const std::string& examplePath, char decimalSeparator);

  // Apply with the dialog's fields as typed (their texts and choices; what stands for the stored
  // values is the session's own); the error's message when a field is not a number.
  std::optional<std::string> apply(const engine::OptionFields& typed);
  // The file name field was edited: the next Apply loads the named file.
  void nameChanged();
  void cancel();
  // Pasted data, read as the desktop's data window and tarnek-cli --to-sample read them. When
  // they are usable they are written as a sample file under kPastedSampleName and opened; the
  // reply says what was recognised (the count, the range, the separator, every skipped line and
  // message, the interval length chosen) and, when nothing was opened, why.
  struct PasteReply {
    bool opened = false;
    std::string report;
  };
  PasteReply paste(const std::string& bytes);
  // Saves `text` into the folder under `name` (a folder part is dropped) and applies it in file
  // mode, as opening a file in the window does.
  void openSample(const std::string& name, const std::string& text);
  // The numbers are written with `separator` from now on: the run is shown again with it, and
  // the numeric fields are rewritten.
  void setDecimalSeparator(char separator);

  // {"report": the object of one line of tarnek-cli --json for the run the page shows,
  //  "labels": the histogram points' labels, "fields": what the dialog's four fields show,
  //  "fieldsChanged": whether the numeric fields were rewritten by the last call,
  //  "columnWidths": the report table's column widths in twips, "resultLine": the window's
  //  result sentence, "resultTone": "accepted", "rejected" or "none", "separator"}.
  std::string viewJson() const;
  // The whole grid as tab-separated text, a line per row, as the window's grid copies it.
  std::string gridText() const;
  // The grouped table as tarnek-cli --csv prints it.
  std::string csvText() const;

  const engine::AnalysisState& state() const { return state_; }
  const engine::OptionFields& fields() const { return fields_; }
  char decimalSeparator() const { return separator_; }

 private:
  void run();

  std::string folder_;
  std::string tablePath_;
  char separator_;
  engine::AnalysisState state_;
  std::vector<std::string> tableMessages_;
  engine::RecordedView view_;
  engine::RunResult result_;
  engine::OptionFields fields_;
  bool fieldsChanged_ = true;
};

}  // namespace web
