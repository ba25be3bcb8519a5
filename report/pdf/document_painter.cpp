// Laying a document out on pages with QTextLayout and painting it with QPainter.
#include "report/pdf/document_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCharFormat>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <vector>

#include "engine/document/page_layout.h"
#include "report/docx/document_writer.h"
#include "report/model/table_layout.h"

namespace report {

namespace {

constexpr qreal kTwipsPerInch = 1440.0;

QFont normalFont() {
  QFont font(QString::fromLatin1(engine::kNormalFontFamily));
  font.setStyleHint(QFont::SansSerif);
  // The painter works in twips, so a pixel here is a twip on paper.
  font.setPixelSize(engine::kNormalFontHalfPoints * engine::kTwipsPerPoint / 2);
  // Outlines at their design widths: the layout does not depend on the device's resolution.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::ForceOutline);
  return font;
}

bool isLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\v');
}

// The text as a reader of the .docx sees it: forbidden characters gone, each break (CR LF
// counted once) a forced line break.
QString paintableText(const QString& text) {
  const QString safe = xmlSafeText(text);
  QString result;
  result.reserve(safe.size());
  for (qsizetype i = 0; i < safe.size(); ++i) {
    const QChar c = safe.at(i);
    if (!isLineBreak(c)) {
      result += c;
      continue;
    }
    result += QChar::LineSeparator;
    if (c == QLatin1Char('\r') && i + 1 < safe.size() && safe.at(i + 1) == QLatin1Char('\n')) ++i;
  }
  return result;
}

// One thing that takes a height of its own: a line of text or a picture.
struct Piece {
  std::shared_ptr<QTextLayout> layout;  // with the line `line`
  int line = -1;
  const QImage* picture = nullptr;
  qreal width = 0.0;
  qreal height = 0.0;
};

class PageWriter {
 public:
  PageWriter(const engine::TextDocument& document, QPagedPaintDevice& device, QPainter& painter)
      : document_(document), device_(device), painter_(painter), font_(normalFont()) {
    const QPageLayout page = device.pageLayout();
    const QRectF full = page.fullRect(QPageLayout::Point);
    const QRectF paint = page.paintRect(QPageLayout::Point);
    painter_.scale(device.logicalDpiX() / kTwipsPerInch, device.logicalDpiY() / kTwipsPerInch);
    // From here on, (0, 0) is the paper's corner and a unit is a twip.
    painter_.translate((full.left() - paint.left()) * engine::kTwipsPerPoint,
                       (full.top() - paint.top()) * engine::kTwipsPerPoint);
    left_ = engine::kMarginTwips;
    top_ = engine::kMarginTwips;
    textWidth_ =
        std::max<qreal>(1.0, full.width() * engine::kTwipsPerPoint - 2 * engine::kMarginTwips);
    bottom_ = std::max(top_ + 1.0, full.height() * engine::kTwipsPerPoint - engine::kMarginTwips);
    y_ = top_;
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    painter_.setRenderHint(QPainter::LosslessImageRendering);
    emptyLineHeight_ = QFontMetricsF(font_).lineSpacing();
    for (const engine::TextPicture& picture : document.pictures)
      pictures_.push_back(QImage::fromData(QByteArray::fromStdString(picture.png), "PNG"));
  }

  int32_t write() {
    for (const engine::TextBlock& block : document_.blocks) {
      if (const auto* paragraph = std::get_if<engine::TextParagraph>(&block)) {
        for (const Piece& piece : pieces(*paragraph, textWidth_)) {
          ensureRoom(piece.height);
          drawPiece(piece, left_, y_);
          y_ += piece.height;
        }
      } else {
        writeTable(std::get<engine::TextTable>(block));
      }
    }
    return pages_;
  }

 private:
  // The lines and pictures of a paragraph set in `width`; an empty paragraph is one empty line.
  std::vector<Piece> pieces(const engine::TextParagraph& paragraph, qreal width) {
    std::vector<Piece> result;
    // Text runs next to each other are one stretch of text that wraps as a whole; a picture
    // stands on a line of its own between them.
    QString text;
    QList<QTextLayout::FormatRange> formats;
    const auto flushText = [&] {
      if (!text.isEmpty()) layOutText(text, formats, width, result);
      text.clear();
      formats.clear();
    };
    for (const engine::TextRun& run : paragraph.runs) {
      if (run.picture >= 0) {
        flushText();
        if (run.picture < static_cast<int32_t>(pictures_.size()) &&
            !pictures_[run.picture].isNull())
          result.push_back(picturePiece(pictures_[run.picture], width));
        continue;
      }
      const QString piece = paintableText(QString::fromStdString(run.text));
      if (piece.isEmpty()) continue;
      formats.append(
          {static_cast<int>(text.size()), static_cast<int>(piece.size()), runFormat(run)});
      text += piece;
    }
    flushText();
    if (result.empty()) result.push_back(Piece{nullptr, -1, nullptr, width, emptyLineHeight_});
    return result;
  }

  void layOutText(const QString& text, const QList<QTextLayout::FormatRange>& formats, qreal width,
                  std::vector<Piece>& result) const {
    auto layout = std::make_shared<QTextLayout>(text, font_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(engine::kDefaultTabStopTwips);
    layout->setTextOption(option);
    layout->setFormats(formats);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    qreal lineTop = 0.0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
      line.setLeadingIncluded(true);
      line.setLineWidth(width);
      line.setPosition(QPointF(0.0, lineTop));
      lineTop += line.height();
    }
    layout->endLayout();
    for (int i = 0; i < layout->lineCount(); ++i)
      result.push_back(Piece{layout, i, nullptr, width, layout->lineAt(i).height()});
  }

  // How a run's text looks beyond the Normal style's font: the solution's bold headings, its
  // italic letters and its indices and powers, smaller and off the baseline as Word sets them.
  static QTextCharFormat runFormat(const engine::TextRun& run) {
    QTextCharFormat format;
    if (run.bold) format.setFontWeight(QFont::Bold);
    if (run.italic) format.setFontItalic(true);
    switch (run.script) {
      case engine::Script::Baseline:
        break;
      case engine::Script::Subscript:
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        break;
      case engine::Script::Superscript:
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        break;
    }
    return format;
  }

  // As wide as the room, as tall as its proportions say, and never taller than a page.
  Piece picturePiece(const QImage& image, qreal width) const {
    qreal w = width;
    qreal h = image.width() > 0 ? width * image.height() / image.width() : 0.0;
    if (h > bottom_ - top_) {
      w *= (bottom_ - top_) / h;
      h = bottom_ - top_;
    }
    return Piece{nullptr, -1, &image, w, h};
  }

  void drawPiece(const Piece& piece, qreal x, qreal y) {
    if (piece.picture != nullptr) {
      painter_.drawImage(QRectF(x, y, piece.width, piece.height), *piece.picture);
    } else if (piece.layout) {
      const QTextLine line = piece.layout->lineAt(piece.line);
      line.draw(&painter_, QPointF(x, y - line.y()));
    }
  }

  void ensureRoom(qreal height) {
    // A piece taller than the room left goes to a new page, unless the page is still empty.
    if (y_ + height <= bottom_ || y_ <= top_) return;
    device_.newPage();
    ++pages_;
    y_ = top_;
  }

  struct Row {
    std::vector<std::vector<Piece>> cells;
    qreal height = 0.0;
  };

  Row layOutRow(const engine::TextTable& table, int32_t r, const std::vector<int32_t>& widths) {
    Row row;
    for (int32_t c = 0; c < table.columnCount(); ++c) {
      const qreal room = std::max<qreal>(1.0, widths[c] - 2.0 * engine::kCellMarginTwips);
      std::vector<Piece> cell;
      for (const engine::TextParagraph& paragraph : table.cell(r, c).paragraphs) {
        std::vector<Piece> more = pieces(paragraph, room);
        cell.insert(cell.end(), more.begin(), more.end());
      }
      qreal height = 0.0;
      for (const Piece& piece : cell) height += piece.height;
      row.height = std::max(row.height, height);
      row.cells.push_back(std::move(cell));
    }
    return row;
  }

  void drawRow(const Row& row, const std::vector<int32_t>& widths) {
    qreal x = left_;
    QPen border(Qt::black, engine::kBorderTwips);
    border.setCapStyle(Qt::SquareCap);
    for (size_t c = 0; c < row.cells.size(); ++c) {
      qreal y = y_;
      for (const Piece& piece : row.cells[c]) {
        drawPiece(piece, x + engine::kCellMarginTwips, y);
        y += piece.height;
      }
      painter_.save();
      painter_.setPen(border);
      painter_.setBrush(Qt::NoBrush);
      painter_.drawRect(QRectF(x, y_, widths[c], row.height));
      painter_.restore();
      x += widths[c];
    }
    y_ += row.height;
  }

  void writeTable(const engine::TextTable& table) {
    const std::vector<int32_t> widths =
        autofitColumnWidths(table, static_cast<int32_t>(textWidth_));
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(table.rowCount()));
    for (int32_t r = 0; r < table.rowCount(); ++r) rows.push_back(layOutRow(table, r, widths));
    const int32_t headerRows = std::min(engine::kRepeatedHeaderRows, table.rowCount());
    for (int32_t r = 0; r < table.rowCount(); ++r) {
      const int32_t pagesBefore = pages_;
      ensureRoom(rows[r].height);
      if (pages_ != pagesBefore && r >= headerRows) {
        for (int32_t h = 0; h < headerRows; ++h) drawRow(rows[h], widths);
        // A row that no longer fits below the repeated header starts yet another page.
        ensureRoom(rows[r].height);
      }
      drawRow(rows[r], widths);
    }
  }

  const engine::TextDocument& document_;
  QPagedPaintDevice& device_;
  QPainter& painter_;
  QFont font_;
  std::vector<QImage> pictures_;
  qreal left_ = 0.0;
  qreal top_ = 0.0;
  qreal bottom_ = 0.0;
  qreal textWidth_ = 0.0;
  qreal y_ = 0.0;
  qreal emptyLineHeight_ = 0.0;
  int32_t pages_ = 1;
};

}  // namespace

int32_t paintDocument(const engine::TextDocument& document, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const int32_t pages = PageWriter(document, device, painter).write();
  return painter.end() ? pages : 0;
}

}  // namespace report
