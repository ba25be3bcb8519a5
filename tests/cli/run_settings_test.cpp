// Every setting of a run shows in its log as the "result" object has it.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "cli/batch_run.h"
#include "engine/critical_points.h"
#include "engine/number_format.h"
#include "engine/recorded_view.h"
#include "engine/texts.h"
#include "tests/cli/run_result_fixture.h"

namespace cli::testing {
namespace {

// P((N−1)/(1+q)² < χ²(N−1) < (N−1)/(1−q)²), the upper bound infinite from q = 1 on.
double coverage(double q, int size) {
  const double df = size - 1;
  const boost::math::chi_squared_distribution<double> chiSquared(df);
  const double above =
      q < 1 ? boost::math::cdf(boost::math::complement(chiSquared, df / ((1 - q) * (1 - q)))) : 0;
  return 1 - boost::math::cdf(chiSquared, df / ((1 + q) * (1 + q))) - above;
}

bool wholeThousandths(double value) {
  return std::abs(value * 1000 - std::round(value * 1000)) < 1e-9;
}

TEST_F(RunResultTest, EverySettingShowsInTheLogAsTheResultHasIt) {
  std::vector<std::string> files = {(dir_.path() / "Input.txt").string()};
  const std::vector<std::string> samples = variedSamples();
  for (size_t i = 0; i < samples.size(); ++i)
    files.push_back(dir_.write("sample" + std::to_string(i) + ".txt", samples[i]));
  engine::CriticalPointTable table;
  engine::RecordedView tableView;
  ASSERT_EQ(engine::loadCriticalPoints((dir_.path() / "exttable.txt").string(), table, tableView),
            engine::TableLoad::Loaded);

  int accepted = 0, rejected = 0;
  for (const engine::SignificanceLevel alpha : engine::kSignificanceLevels)
    for (const engine::Reliability gamma : engine::kReliabilities)
      for (const engine::CoefficientSource source : engine::kCoefficientSources) {
        CliOptions options;
        options.alpha = alpha;
        options.gamma = gamma;
        options.coefficients = source;
        const double level = engine::levelValue(alpha);
        const double reliability = engine::reliabilityValue(gamma);
        for (const QJsonObject& object : runJson(files, options)) {
          SCOPED_TRACE(text(object["file"]) + " α " + engine::levelText(alpha) + " γ " +
                       engine::reliabilityText(gamma) + " " +
                       engine::coefficientSourceName(source));
          const QJsonArray log = object["log"].toArray();
          const QJsonObject result = object["result"].toObject();
          EXPECT_EQ(result["alpha"].toDouble(), level);
          EXPECT_EQ(result["gamma"].toDouble(), reliability);
          EXPECT_EQ(text(result["coefficients"]), engine::coefficientSourceName(source));
          const std::string outcome = text(result["outcome"]);

          // The level's line stands right before the verdict, and only off the default.
          const std::string levelLine =
              engine::text::kSignificanceLevel + std::string(engine::levelText(alpha));
          int levelAt = -1, verdictAt = -1;
          for (int i = 0; i < log.size(); ++i) {
            if (startsWith(text(log[i]), engine::text::kSignificanceLevel)) levelAt = i;
            if (startsWith(text(log[i]), engine::text::kVerdictPrefix)) verdictAt = i;
          }
          const bool verdict = outcome == "accepted" || outcome == "rejected";
          EXPECT_EQ(verdictAt >= 0, verdict);
          if (!verdict || alpha == engine::SignificanceLevel::FivePercent) {
            EXPECT_EQ(levelAt, -1);
          } else {
            EXPECT_EQ(levelAt, verdictAt - 1);
            EXPECT_EQ(text(log[levelAt]), levelLine);
          }
          if (verdict) {
            const int df = result["df"].toInt();
            EXPECT_EQ(static_cast<float>(result["critical"].toDouble()),
                      table.at(df, engine::levelColumn(alpha)));
            EXPECT_EQ(outcome == "accepted", result["p_value"].toDouble() > level);
            rejected += outcome == "rejected";
          }
          if (outcome != "accepted") {
            EXPECT_TRUE(result["t"].isNull());
            EXPECT_TRUE(result["q"].isNull());
            continue;
          }
          ++accepted;

          const int n = result["n"].toInt();
          const int size = source == engine::CoefficientSource::Sample ? n : 100;
          EXPECT_EQ(text(log[log.size() - 3]), engine::text::kIntervalsHeadingPrefix +
                                                   std::string(engine::reliabilityText(gamma)) +
                                                   engine::text::kIntervalsHeadingMiddle +
                                                   std::to_string(size) +
                                                   engine::text::kIntervalsHeadingSuffix);
          const double t = result["t"].toDouble();
          const double q = result["q"].toDouble();
          EXPECT_TRUE(wholeThousandths(t) && wholeThousandths(q)) << t << " " << q;
          const boost::math::students_t_distribution<double> student(size - 1);
          EXPECT_LE(std::abs(boost::math::quantile(student, (1 + reliability) / 2) - t), 0.0005);
          EXPECT_LE(coverage(q - 0.0005, size), reliability);
          EXPECT_GE(coverage(q + 0.0005, size), reliability);

          // The intervals are the estimates widened by exactly these coefficients.
          const float mean = static_cast<float>(result["mean"].toDouble());
          const float sd = static_cast<float>(result["sd"].toDouble());
          const float halfWidth = static_cast<float>(t * sd / std::sqrt(double(n)));
          const QJsonArray meanInterval = result["mean_interval"].toArray();
          const QJsonArray sdInterval = result["sd_interval"].toArray();
          EXPECT_EQ(meanInterval[0].toDouble(), double(mean) - halfWidth);
          EXPECT_EQ(meanInterval[1].toDouble(), double(mean) + halfWidth);
          const float low = static_cast<float>(sdInterval[0].toDouble());
          const float high = static_cast<float>(sdInterval[1].toDouble());
          EXPECT_NEAR(low, std::max(0.0, 1 - q) * sd, 1e-6 * sd);
          EXPECT_NEAR(high, (1 + q) * sd, 1e-6 * sd);
          EXPECT_EQ(text(log[log.size() - 2]), fourDigits(meanInterval[0].toDouble()) +
                                                   engine::text::kMeanInterval +
                                                   fourDigits(meanInterval[1].toDouble()));
          EXPECT_EQ(text(log.last()),
                    fourDigits(low) + engine::text::kDeviationInterval + fourDigits(high));
        }
      }
  EXPECT_GT(accepted, 50);
  EXPECT_GT(rejected, 20);
}

}  // namespace
}  // namespace cli::testing
