#include "search/reference_report.h"

#include "browse/see_also.h"
#include "list/loaded_list.h"

namespace zelt {

SeeAlsoFollower::SeeAlsoFollower(const LoadedList& list)
    : m_topics(list.topics())
    , m_kind(list.files.listKind)
    , m_locator(list.topics())
{}

std::vector<ReferenceRow> SeeAlsoFollower::resolve(TopicNumber n, std::string_view shown) const
{
    std::vector<ReferenceRow> rows;
    const LocateFunction locate = [this](std::string_view prefix, std::string_view fragment) {
        return m_locator.locate(LocateQuery(prefix, fragment));
    };
    for (const SeeAlsoReference& reference :
         TopicSeeAlsoReferences(shown, m_topics.title(n), m_kind)) {
        ReferenceRow row;
        row.text = reference.text;
        row.linkable = reference.linkable;
        if (row.linkable)
            row.follow = FollowReference(reference.text, m_kind, m_topics.identifier(n), locate);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace zelt
