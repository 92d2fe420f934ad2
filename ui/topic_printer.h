#pragma once

class QPrinter;
class QTextDocument;

namespace zelt {

// Lays a document out over the printable area of the printer's pages, with
// no margin of its own, and prints it page after page with nothing added: no
// header, footer or page number. The document stays laid out for the
// printer. False when the printer fails.
bool PrintDocument(QTextDocument& document, QPrinter& printer);

} // namespace zelt
