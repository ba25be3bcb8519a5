// The main part of a .docx, word/document.xml, written from a document.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "engine/document/text_document.h"

namespace report {

// word/document.xml: every block of `document`, then the section's page settings.
QByteArray documentPart(const engine::TextDocument& document);

// The relationship that names picture `picture` (from 0): the styles' and the settings'
// relationships come first, pictures follow.
QString pictureRelationshipId(int32_t picture);

// The text as it goes into a w:t element: characters that XML 1.0 forbids (most controls,
// lone surrogates, U+FFFE, U+FFFF) dropped. Tabs and line breaks are kept for the caller.
QString xmlSafeText(const QString& text);

}  // namespace report
