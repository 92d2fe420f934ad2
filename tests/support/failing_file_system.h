#pragma once

#include "base/file_io.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zelt::test {

// Fails the one step it is told to, the way a bad sector, a full disk or a
// program holding a file would. A name narrows the failure to that file: for
// reads and removals the file itself, for writes the writes made while that
// file is the one last opened for reading.
class FailingFileSystem final : public FileSystem {
public:
    enum class Step { None, Create, OpenRead, Read, Write, Finish, Rename, Remove };

    explicit FailingFileSystem(Step step, std::string name = {}, int failingWrite = 1)
        : m_step(step)
        , m_name(std::move(name))
        , m_failingWrite(failingWrite)
    {}

    FileHandle createNew(const std::filesystem::path& path, std::error_code& error) const override
    {
        if (m_step == Step::Create) {
            error = std::make_error_code(std::errc::permission_denied);
            return nullptr;
        }
        return FileSystem::createNew(path, error);
    }
    FileHandle openRead(const std::filesystem::path& path, std::error_code& error) const override
    {
        m_reading = path.filename().string();
        opened.push_back(m_reading);
        if (m_step == Step::OpenRead && named(m_reading)) {
            error = std::make_error_code(std::errc::permission_denied);
            return nullptr;
        }
        return FileSystem::openRead(path, error);
    }
    std::size_t read(std::FILE* file, char* buffer, std::size_t size,
                     std::error_code& error) const override
    {
        if (m_step == Step::Read && named(m_reading)) {
            // Some bytes arrive before the bad sector.
            const std::size_t got =
                FileSystem::read(file, buffer, std::min<std::size_t>(size, 4), error);
            error = std::make_error_code(std::errc::io_error);
            return got;
        }
        return FileSystem::read(file, buffer, size, error);
    }
    bool write(std::FILE* file, std::string_view bytes, std::error_code& error) const override
    {
        if (m_step == Step::Write && named(m_reading) && ++m_writes == m_failingWrite) {
            // Half of it reaches the file before the disk is full.
            FileSystem::write(file, bytes.substr(0, bytes.size() / 2), error);
            error = std::make_error_code(std::errc::no_space_on_device);
            return false;
        }
        return FileSystem::write(file, bytes, error);
    }
    bool finish(std::FILE* file, std::error_code& error) const override
    {
        if (m_step == Step::Finish) {
            error = std::make_error_code(std::errc::io_error);
            return false;
        }
        return FileSystem::finish(file, error);
    }
    void rename(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) const override
    {
        if (m_step == Step::Rename) {
            error = std::make_error_code(std::errc::device_or_resource_busy);
            return;
        }
        FileSystem::rename(from, to, error);
    }
    void remove(const std::filesystem::path& path, std::error_code& error) const override
    {
        if (m_step == Step::Remove && named(path.filename().string())) {
            error = std::make_error_code(std::errc::permission_denied);
            return;
        }
        FileSystem::remove(path, error);
    }

    // The file names opened for reading, in order.
    mutable std::vector<std::string> opened;

private:
    bool named(const std::string& file) const { return m_name.empty() || file == m_name; }

    Step m_step;
    std::string m_name;
    int m_failingWrite;
    mutable std::string m_reading;
    mutable int m_writes = 0;
};

} // namespace zelt::test
