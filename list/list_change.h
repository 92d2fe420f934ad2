#pragma once

#include "list/loaded_list.h"
#include "list/topic_table.h"

#include <optional>
#include <string_view>

namespace zelt {

// The status bar's word after a changed list was read again.
inline constexpr std::string_view ListReadAgainHint = "List changed on disk: read again";

// Whether the list file by its name is no longer the one opened: another size
// or another write time than at the open. A list that is gone has not
// changed: its topics are still read from the file held open.
bool ListFileChanged(const ListFiles& files);

// The topic of a list read again that stands for one of the old list: the one
// with the same identifier and title, the nearest to the old number when
// several have them; nothing when the list no longer holds it.
std::optional<TopicNumber> FindTopicAgain(const TopicTable& topics, std::string_view identifier,
                                          std::string_view title, TopicNumber oldNumber);

} // namespace zelt
