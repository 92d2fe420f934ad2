#include "list/list_scanner.h"

#include "base/ascii_text.h"
#include "list/index_file.h"
#include "list/line_reader.h"
#include "list/topic_collector.h"

#include <cmath>
#include <cstdio>
#include <memory>

namespace zelt {

namespace {

// Advances a bar of about 100 steps by at most one step per line.
class ScanProgress {
public:
    ScanProgress(LoadObserver& observer, std::uint64_t fileSize)
        : m_observer(observer)
        , m_step(std::max<std::int64_t>(1, std::llround(static_cast<double>(fileSize) / 100.0)))
    {
        m_observer.progressChanged(0);
        m_observer.progressShown(true);
    }

    void update(std::int64_t position)
    {
        // Same as counter < position / step, without a division per line.
        if (position >= m_next) {
            ++m_counter;
            m_next += m_step;
            m_observer.progressChanged(static_cast<int>(m_counter));
        }
    }

private:
    LoadObserver& m_observer;
    std::int64_t m_step;
    std::int64_t m_next = m_step;
    std::uint8_t m_counter = 0;
};

// Room for the topics of a list of usual density, so that the arrays are
// seldom regrown; pages that stay unused cost nothing but address space.
std::size_t ScanCapacity(std::uint64_t fileSize)
{
    constexpr std::uint64_t Step = 1000;
    const std::uint64_t estimate = fileSize / 512;
    return static_cast<std::size_t>((estimate / Step + 1) * Step);
}

} // namespace

ScanResult ScanListFile(LoadedList& list, bool writeIndex, LoadObserver& observer)
{
    const std::string fileName(FileNameOf(list.files.listFileName));
    const LoadScope scope(observer, writeIndex ? "Creating new indexfile for " + fileName + "..."
                                               : "Loading topics from " + fileName + "...");
    ScanProgress progress(observer, list.files.listFileEntry.size);
    ScanResult result;
    {
        const FileHandle file = OpenSharedRead(PathFromBytes(list.files.listFileName));
        if (!file) {
            result.error = ErrorUnableToLoadList;
            return result;
        }
        list.beginLoad(ScanCapacity(list.files.listFileEntry.size));
        list.reserveText(static_cast<std::size_t>(list.files.listFileEntry.size / 8));
        TopicCollector collector(list, list.files.parseDividers);
        LineReader reader(file.get());
        std::string_view line;
        // A file that is not split is one topic of its size: nothing to read.
        while (list.files.parseDividers && reader.next(line)) {
            collector.line(line, reader.lineEndBytes());
            progress.update(collector.position());
        }
        if (reader.failed() || !collector.finish(fileName, list.files.listFileEntry.size)) {
            list.beginLoad(0);
            result.error = ErrorUnableToLoadList;
            return result;
        }
    }
    result.loaded = true;
    if (writeIndex &&
        !WriteIndexFile(list.files.indexFileName, list.topics(), list.files.listFileEntry))
        result.error = ErrorUnableToCreateIndexFile;
    return result;
}

} // namespace zelt
