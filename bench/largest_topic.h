#pragma once

#include "list/topic_table.h"

namespace zelt::bench {

// The topic with the most bytes: what a reader waits longest for.
inline TopicNumber LargestTopic(const TopicTable& topics)
{
    TopicNumber largest = 0;
    for (TopicNumber n = 1; n < topics.size(); ++n) {
        if (topics.length(n) > topics.length(largest))
            largest = n;
    }
    return largest;
}

} // namespace zelt::bench
