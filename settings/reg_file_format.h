#pragma once

#include "settings/reg_document.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// The registry export format, version 4: 8-bit text, CR LF lines.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Vantrel\ZELT Viewer\2\Config]
//   "Name"="text"           only \\ and \" are escaped; never wraps
//   "Name"=dword:0000002a
//   "Name"=hex:01,00,ff     wraps after a comma once a line reaches 77 columns
//   "Name"=hex(2):...       REG_EXPAND_SZ as UTF-16LE; read, never written
//
// Reading also accepts LF-only line ends, blanks around lines, a UTF-8 byte
// order mark, comment lines starting with ';', "[-key]" (drops the key and
// those below it), "Name"=- (drops the value), other hex(n) types (kept but
// never read), and a backslash before any other character in a text, which
// stays as it is. A 0-byte file is an empty document.

// nullopt when the bytes are not such a file or any line is malformed,
// including a hex list cut short after a continuation or ending in a comma.
std::optional<RegDocument> ParseRegFile(std::string_view bytes);

std::string FormatRegFile(const RegDocument& document);

// The physical lines of one value; nullopt when the format cannot hold it: a
// line break or NUL in a text or a name, or an ExpandText.
std::optional<std::vector<std::string>> FormatRegValue(std::string_view name,
                                                       const StoredValue& value);

} // namespace zelt
