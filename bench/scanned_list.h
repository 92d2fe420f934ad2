#pragma once

#include "list/list_loader.h"
#include "samples/generator/list_generator.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace zelt::bench {

// A generated interrupt list, scanned once per process; its folder is removed
// at exit.
class ScannedList {
public:
    ScannedList(std::string_view purpose, std::size_t topics, std::size_t averageTopicBytes,
                bool realTableDensity = false)
        : m_dir(std::filesystem::temp_directory_path() /
                ("zelt-bench-" + std::string(purpose) + "-" + std::to_string(topics)))
    {
        std::filesystem::create_directories(m_dir);
        m_list.files.listFileName = (m_dir / "INTERRUP.LST").string();
        samples::GeneratorOptions options;
        options.topicCount = topics;
        options.averageTopicBytes = averageTopicBytes;
        options.realTableDensity = realTableDensity;
        if (!samples::WriteGeneratedList(m_list.files.listFileName, options))
            throw std::runtime_error("cannot write " + m_list.files.listFileName);
        LoadRequest request;
        request.listFileName = m_list.files.listFileName;
        request.indexMode.loadTopicsDirect = true;
        LoadObserver quiet;
        if (!LoadListTopics(m_list, request, quiet).loaded)
            throw std::runtime_error("cannot scan " + request.listFileName);
    }
    ~ScannedList()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    ScannedList(const ScannedList&) = delete;
    ScannedList& operator=(const ScannedList&) = delete;

    const LoadedList& list() const { return m_list; }

private:
    std::filesystem::path m_dir;
    LoadedList m_list;
};

} // namespace zelt::bench
