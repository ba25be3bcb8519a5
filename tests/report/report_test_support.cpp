// Shared pieces of the report tests.
#include "tests/report/report_test_support.h"

#include <zip.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QtEndian>

#include "engine/critical_points.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"
#include "engine/solution.h"

namespace report::test {

QImage chartPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(QPen(QColor(64, 0, 64), 2));
  for (int x = 0; x + 40 < width; x += 40) painter.drawRect(x + 20, height / 3, 30, height / 2);
  painter.drawLine(0, height - 10, width, 10);
  return image;
}

ReportTexts sampleTexts(int rows, int logLines) {
  ReportTexts texts;
  for (int r = 0; r < rows; ++r) {
    QStringList row;
    for (int c = 0; c < texts.columnCount; ++c) {
      if (r == 0) {
        row << QString::number(c + 1);
      } else if ((r + c) % 7 == 3) {
        row << QString();
      } else {
        row << QStringLiteral("%1,%2").arg(r * 11 + c).arg(c * 37 % 100);
      }
    }
    texts.gridRows.push_back(row);
  }
  for (int i = 0; i < logLines; ++i)
    texts.logLines << QStringLiteral("Строка журнала %1: Xb = %2").arg(i + 1).arg(i * 0.25);
  return texts;
}

ReportTexts shippedSampleWithSolution() {
  engine::AnalysisState state;
  engine::RecordedView view;
  engine::loadCriticalPoints(TARNEK_DATA_DIR "/exttable.txt", state.CriticalPoints, view);
  state.FileName = TARNEK_DATA_DIR "/Input.txt";
  engine::RunResult result;
  engine::ProcessFile(state, view, '.', result);
  ReportTexts texts;
  for (const auto& row : view.gridRows()) {
    QStringList cells;
    for (const std::string& cell : row) cells << QString::fromStdString(cell);
    texts.gridRows.push_back(cells);
  }
  for (const std::string& line : view.log()) texts.logLines << QString::fromStdString(line);
  texts.solution = engine::buildSolution(result, '.');
  return texts;
}

ClipboardSource::ClipboardSource(ReportTexts texts, QImage chart)
    : texts_(std::move(texts)), chart_(std::move(chart)), inner_(texts_, QImage(), &unused_) {}

void ClipboardSource::copyChartToClipboard() { QGuiApplication::clipboard()->setImage(chart_); }

std::map<QString, QByteArray> unzip(const QByteArray& archive) {
  std::map<QString, QByteArray> entries;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(
      archive.constData(), static_cast<zip_uint64_t>(archive.size()), 0, &error);
  zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
  if (zip == nullptr) {
    if (source) zip_source_free(source);
    zip_error_fini(&error);
    return entries;
  }
  const zip_int64_t count = zip_get_num_entries(zip, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat) != 0) continue;
    QByteArray data(static_cast<qsizetype>(stat.size), '\0');
    zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
    if (file == nullptr) continue;
    const zip_int64_t read = zip_fread(file, data.data(), stat.size);
    zip_fclose(file);
    if (read == static_cast<zip_int64_t>(stat.size)) entries[QString::fromUtf8(stat.name)] = data;
  }
  zip_close(zip);
  zip_error_fini(&error);
  return entries;
}

std::vector<LocalEntry> localEntries(const QByteArray& archive) {
  std::vector<LocalEntry> entries;
  const auto* bytes = reinterpret_cast<const uchar*>(archive.constData());
  const qsizetype size = archive.size();
  qsizetype at = 0;
  constexpr qsizetype kHeader = 30;
  while (at + kHeader <= size && qFromLittleEndian<quint32>(bytes + at) == 0x04034b50u) {
    LocalEntry entry;
    entry.flags = qFromLittleEndian<quint16>(bytes + at + 6);
    entry.method = qFromLittleEndian<quint16>(bytes + at + 8);
    const quint32 compressed = qFromLittleEndian<quint32>(bytes + at + 18);
    const quint16 nameLength = qFromLittleEndian<quint16>(bytes + at + 26);
    const quint16 extraLength = qFromLittleEndian<quint16>(bytes + at + 28);
    if (at + kHeader + nameLength + extraLength > size) break;
    entry.name = QString::fromUtf8(archive.constData() + at + kHeader, nameLength);
    qsizetype extra = at + kHeader + nameLength;
    const qsizetype extraEnd = extra + extraLength;
    while (extra + 4 <= extraEnd) {
      entry.extraIds.push_back(qFromLittleEndian<quint16>(bytes + extra));
      extra += 4 + qFromLittleEndian<quint16>(bytes + extra + 2);
    }
    entries.push_back(entry);
    at = extraEnd + compressed;
  }
  return entries;
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace report::test
