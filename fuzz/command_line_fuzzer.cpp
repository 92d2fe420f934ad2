// Any parameters, separated by zero bytes: the command line is evaluated to a
// consistent result.
#include "app/command_line.h"
#include "app/startup_list.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parameters(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            parameters.emplace_back();
        else
            parameters.back() += static_cast<char>(data[i]);
    }
    const zelt::CommandLineResult result = zelt::EvaluateCommandLine(parameters);
    FUZZ_CHECK(result.dontUseIndexFile.has_value() == result.loadTopicsDirect.has_value());
    FUZZ_CHECK(
        !(result.dontUseIndexFile.value_or(false) && result.loadTopicsDirect.value_or(false)));
    bool named = false;
    for (const std::string& parameter : parameters)
        named = named || parameter == result.commandLineList;
    FUZZ_CHECK(result.commandLineList.empty() || named);
    const auto chosen =
        zelt::ChooseStartupList(result.commandLineList, "DEFAULT.LST",
                                [](std::string_view name) { return name.size() % 2 == 0; });
    FUZZ_CHECK(!chosen || *chosen == result.commandLineList || *chosen == "DEFAULT.LST");
    return 0;
}
