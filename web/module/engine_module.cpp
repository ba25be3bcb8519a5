// The engine's WebAssembly module: what the page and window.tarnek.analyse call.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "engine/analysis_settings.h"
#include "engine/axis_labels.h"
#include "engine/document/page_layout.h"
#include "web/module/page_session.h"
#include "web/module/sample_analysis.h"

namespace {

using emscripten::val;

// Built into the module's file system from data/.
constexpr const char* kShippedTable = "/shipped/exttable.txt";
constexpr const char* kShippedExample = "/shipped/Input.txt";
// The page's own files, and the scratch folder of analyse().
constexpr const char* kPageFolder = "/page";
constexpr const char* kAnalysisFolder = "/analysis";

// analyse()'s options that are tarnek-cli's flags. A setting the companion learns is passed
// through by one more line here.
constexpr std::pair<const char*, const char*> kFlagOptions[] = {
    {"h", "--h"},         {"xmin", "--xmin"},   {"xmax", "--xmax"},
    {"alpha", "--alpha"}, {"gamma", "--gamma"}, {"coefficients", "--coefficients"},
};

bool given(const val& value) { return !value.isUndefined() && !value.isNull(); }

// The number formats take the separator as one byte: a browser's separator that is not one
// printable ASCII character falls back to '.', as the window's locale does.
char separatorOf(const std::string& point) {
  return point.size() == 1 && point[0] >= 0x20 && point[0] < 0x7f ? point[0] : '.';
}

char separatorOf(const val& text) {
  return separatorOf(text.isString() ? text.as<std::string>() : std::string("."));
}

// A text as UTF-8, or the bytes of a Uint8Array or ArrayBuffer as they are: a file is read as
// bytes, broken UTF-8 included, as the window reads it.
std::string bytesOf(const val& data) {
  if (data.isString()) return data.as<std::string>();
  const val bytes = val::global("Uint8Array").new_(data);
  std::string result(bytes["length"].as<size_t>(), '\0');
  val(emscripten::typed_memory_view(result.size(), reinterpret_cast<unsigned char*>(result.data())))
      .call<void>("set", bytes);
  return result;
}

// A number as the flag's text: the shortest decimal that reads back as the same double, so
// tarnek-cli reads the very value the script gave. Any other value goes as its text.
std::string flagText(const val& value) {
  if (value.isNumber()) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value.as<double>()).ptr;
    return std::string(text, end);
  }
  return value.call<std::string>("toString");
}

val analyse(const val& sampleText, const val& options) {
  web::SampleAnalysis request;
  request.sampleText = bytesOf(sampleText);
  if (given(options)) {
    if (given(options["fileName"]))
      request.fileName = options["fileName"].call<std::string>("toString");
    if (given(options["tableText"])) request.tableText = bytesOf(options["tableText"]);
    if (given(options["decimalSeparator"]))
      request.decimalSeparator = separatorOf(options["decimalSeparator"]);
    for (const auto& [option, flag] : kFlagOptions) {
      const val value = options[option];
      if (given(value)) request.flags.emplace_back(flag, flagText(value));
    }
  }
  const web::AnalysisReply reply = web::analyseSample(request, kAnalysisFolder, kShippedTable);
  val result = val::object();
  result.set("status", reply.status);
  result.set("json", reply.json);
  result.set("errors", reply.errors);
  return result;
}

engine::OptionFields fieldsOf(const val& fields) {
  auto text = [&](const char* key) {
    const val value = fields[key];
    return given(value) ? value.call<std::string>("toString") : std::string();
  };
  // A choice by its index among the dialog's choices, the first one otherwise.
  auto index = [&](const char* key, size_t count) {
    const val value = fields[key];
    const int chosen = value.isNumber() ? value.as<int>() : 0;
    return chosen >= 0 && static_cast<size_t>(chosen) < count ? chosen : 0;
  };
  engine::OptionFields result;
  result.fileName = text("fileName");
  result.intervalLength.text = text("h");
  result.xmin.text = text("xmin");
  result.xmax.text = text("xmax");
  result.alpha =
      engine::kSignificanceLevels[index("alpha", std::size(engine::kSignificanceLevels))];
  result.gamma = engine::kReliabilities[index("gamma", std::size(engine::kReliabilities))];
  result.coefficients =
      engine::kCoefficientSources[index("coefficients", std::size(engine::kCoefficientSources))];
  return result;
}

// The page's window, made once the module is ready.
class Page {
 public:
  explicit Page(const val& separator)
      : session_(kPageFolder, kShippedTable, kShippedExample, separatorOf(separator)) {}

  std::string view() const { return session_.viewJson(); }
  val apply(const val& fields) {
    const std::optional<std::string> error = session_.apply(fieldsOf(fields));
    return error ? val(*error) : val::null();
  }
  void nameChanged() { session_.nameChanged(); }
  void cancel() { session_.cancel(); }
  void openSample(const std::string& name, const val& contents) {
    session_.openSample(name, bytesOf(contents));
  }
  val paste(const val& contents) {
    const web::PageSession::PasteReply reply = session_.paste(bytesOf(contents));
    val result = val::object();
    result.set("opened", reply.opened);
    result.set("report", reply.report);
    return result;
  }
  std::string gridText() const { return session_.gridText(); }
  std::string csvText() const { return session_.csvText(); }
  void setDecimalSeparator(const val& separator) {
    session_.setDecimalSeparator(separatorOf(separator));
  }

 private:
  web::PageSession session_;
};

val labelledEdges(const val& edges, const val& widths, double plotWidth, double gap) {
  const auto chosen =
      engine::labelledEdges(emscripten::vecFromJSArray<double>(edges),
                            emscripten::vecFromJSArray<double>(widths), plotWidth, gap);
  val result = val::array();
  for (size_t index : chosen) result.call<void>("push", static_cast<double>(index));
  return result;
}

// What the page's .docx takes from the report's own definitions.
val reportLayout() {
  val layout = val::object();
  layout.set("pageWidth", engine::kPageWidthTwips);
  layout.set("pageHeight", engine::kPageHeightTwips);
  layout.set("margin", engine::kMarginTwips);
  layout.set("textWidth", engine::kTextWidthTwips);
  layout.set("headerFooter", engine::kHeaderFooterTwips);
  layout.set("tabStop", engine::kDefaultTabStopTwips);
  layout.set("normalFontHalfPoints", engine::kNormalFontHalfPoints);
  layout.set("borderEighthPoints", engine::kBorderEighthPoints);
  layout.set("cellMargin", engine::kCellMarginTwips);
  layout.set("emuPerTwip", static_cast<double>(engine::kEmuPerTwip));
  layout.set("firstPictureRelationship", engine::kFirstPictureRelationship);
  layout.set("version", std::string(TARNEK_VERSION));
  return layout;
}

// The shortest text of a number as the module writes JSON numbers, for the tests: a float given
// by its bits, and a double.
std::string shortestFloat(uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string shortestDouble(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string pastedSampleName() { return web::kPastedSampleName; }

std::string decimalSeparatorOf(const std::string& localeDecimalPoint) {
  return std::string(1, separatorOf(localeDecimalPoint));
}

// The dialog's choices of α and γ, as the window lists them: with `separator`.
val settingChoices(const std::string& separator) {
  const char point = separatorOf(separator);
  auto written = [&](std::string text) {
    for (char& c : text)
      if (c == '.') c = point;
    return text;
  };
  val levels = val::array();
  for (const engine::SignificanceLevel level : engine::kSignificanceLevels)
    levels.call<void>("push", written(engine::levelText(level)));
  val reliabilities = val::array();
  for (const engine::Reliability reliability : engine::kReliabilities)
    reliabilities.call<void>("push", written(engine::reliabilityText(reliability)));
  val choices = val::object();
  choices.set("alpha", levels);
  choices.set("gamma", reliabilities);
  return choices;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarnek) {
  emscripten::function("analyse", &analyse);
  emscripten::function("labelledEdges", &labelledEdges);
  emscripten::function("decimalsForStep", &engine::decimalsForStep);
  emscripten::function("reportLayout", &reportLayout);
  emscripten::function("decimalSeparatorOf", &decimalSeparatorOf);
  emscripten::function("pastedSampleName", &pastedSampleName);
  emscripten::function("settingChoices", &settingChoices);
  emscripten::function("shortestFloat", &shortestFloat);
  emscripten::function("shortestDouble", &shortestDouble);
  emscripten::class_<Page>("Page")
      .constructor<val>()
      .function("view", &Page::view)
      .function("apply", &Page::apply)
      .function("nameChanged", &Page::nameChanged)
      .function("cancel", &Page::cancel)
      .function("openSample", &Page::openSample)
      .function("paste", &Page::paste)
      .function("gridText", &Page::gridText)
      .function("csvText", &Page::csvText)
      .function("setDecimalSeparator", &Page::setDecimalSeparator);
}
