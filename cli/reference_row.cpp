#include "cli/reference_row.h"

#include "cli/escaped_cell.h"
#include "cli/open_list.h"

namespace zelt::cli {

void AppendResolvedCells(std::string& out, std::string_view reference,
                         const ResolvedReference& resolved)
{
    AppendEscapedCell(out, reference);
    out += '\t';
    if (resolved.listFile.empty())
        out += '-';
    else
        AppendEscapedCell(out, resolved.listName);
    out += '\t';
    AppendNumber(out, resolved.topic ? static_cast<long long>(*resolved.topic) : -1);
    out += '\t';
    out += ResolveOutcomeName(resolved.outcome);
    out += '\n';
}

ListTopicsCache CliListsCache()
{
    return ListTopicsCache(true, IndexMode{});
}

} // namespace zelt::cli
