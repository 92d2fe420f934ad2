#include "help/help_context.h"
#include "help/help_file.h"

#include <gtest/gtest.h>
#include <regex>

namespace zelt {
namespace {

HelpFile ShippedHelpFile()
{
    HelpLoad load = LoadHelpFile(ZELT_HELP_FILE);
    EXPECT_EQ(HelpProblemText(load, ZELT_HELP_FILE), "");
    return load.file.value_or(HelpFile{});
}

TEST(ShippedHelpFile, HasATopicForEveryNumberTheProgramAsksFor)
{
    const HelpFile file = ShippedHelpFile();
    for (const int context : RequestedHelpContexts) {
        const HelpTopic* topic = file.find(context);
        ASSERT_NE(topic, nullptr) << context;
        // A topic says something: more than a line or two.
        EXPECT_GT(topic->body.size(), 150u) << context;
    }
}

TEST(ShippedHelpFile, EveryTopicLinkLeadsToATopic)
{
    const HelpFile file = ShippedHelpFile();
    const std::regex link(R"(\]\(([^)\s]*)\))");
    int links = 0;
    for (const HelpTopic& topic : file.topics()) {
        for (auto match = std::sregex_iterator(topic.body.begin(), topic.body.end(), link);
             match != std::sregex_iterator(); ++match) {
            const std::string href = (*match)[1];
            const auto target = TopicLinkTarget(href);
            ASSERT_TRUE(target) << topic.context << ": " << href;
            EXPECT_NE(file.find(*target), nullptr) << topic.context << " links to " << *target;
            ++links;
        }
    }
    EXPECT_GT(links, 20);
}

} // namespace
} // namespace zelt
