// The PDF report: the document painted on A4 pages of a QPdfWriter.
#include "report/pdf/pdf_writer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <stdexcept>

#include "report/pdf/document_painter.h"

namespace report {

namespace {

// Twips: the painter's unit is then one device pixel.
constexpr int kResolution = 1440;

}  // namespace

QByteArray pdfBytes(const engine::TextDocument& document, const DocumentProperties& properties) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) throw std::runtime_error("the PDF buffer did not open");
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(properties.title);
    writer.setCreator(properties.applicationVersion.isEmpty()
                          ? properties.application
                          : properties.application + QLatin1Char(' ') +
                                properties.applicationVersion);
    if (paintDocument(document, writer) == 0)
      throw std::runtime_error("Qt's PDF output could not paint the document");
  }
  buffer.close();
  return bytes;
}

}  // namespace report
