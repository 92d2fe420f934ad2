#include "list/list_kind.h"

#include "base/ascii_text.h"

#include <array>

namespace zelt {

ListKind ListKindOf(std::string_view path)
{
    static constexpr std::array<std::string_view, 11> knownNames{
        "INTERRUP.LST", "PORTS.LST",   "MEMORY.LST", "CMOS.LST",   "FARCALL.LST", "MSR.LST",
        "I2C.LST",      "OPCODES.LST", "SMM.LST",    "TABLES.LST", "BIBLIO.LST",
    };
    const std::string_view name = FileNameOf(path);
    if (name.empty())
        return ListKind::None;
    for (std::size_t i = 0; i < knownNames.size(); ++i) {
        if (EqualsIgnoringCase(name, knownNames[i]))
            return static_cast<ListKind>(i + 1);
    }
    return ListKind::Other;
}

} // namespace zelt
