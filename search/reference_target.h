#pragma once

#include "list/list_kind.h"

#include <string>
#include <string_view>

namespace zelt {

// Which list a reference points into and by which rule it is found there.
struct ReferenceTarget {
    enum class Form {
        Unrecognised,
        Table,   // "#01340": the topic defining "(Table 01340)"
        Keyword, // located by the target list's prefix rule
        Opcode,  // OPCODE "word": the topic titled OPCODE word
    };
    Form form = Form::Unrecognised;
    ListKind list = ListKind::None;
    // The table number for Table ("01340", "P0123"), the upper-cased word for Opcode.
    std::string key;
};

// Reads a reference as written in a list of kind `readIn`: a table number, a
// reference starting with a list's keyword ("INT", "PORT ", "MEM ", "CMOS ",
// the at sign, "MSR ", "I2C "), a function of the same interrupt (its first
// "=" at position 3, only in INTERRUP.LST) or OPCODE "word".
ReferenceTarget ReadReferenceTarget(std::string_view reference, ListKind readIn);

// The distribution's file name of a list kind ("PORTS.LST"); empty for none.
std::string_view ListFileName(ListKind kind) noexcept;

} // namespace zelt
