// A document laid out on pages and painted, for the PDF file and the printer alike.
#pragma once

#include <cstdint>

#include "engine/document/text_document.h"

class QPagedPaintDevice;

namespace report {

// Paints `document` on `device` from its first page on, starting a page when the next line,
// picture or table row does not fit: margins, type and tables as page_layout.h has them, the
// page's size as the device has it (A4 for the report's own PDF), the device's own margins set
// aside so the 2 cm are kept from the paper's edge. A table's header row is repeated at the top
// of every page it continues on. Returns the number of pages, 0 when the device could not be
// painted on (a printer's file that cannot be written, say).
int32_t paintDocument(const engine::TextDocument& document, QPagedPaintDevice& device);

}  // namespace report
