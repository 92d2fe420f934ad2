#include "support/exclusive_open.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <stdexcept>
#include <sys/stat.h>

namespace zelt::test {

ExclusiveOpen::ExclusiveOpen(const std::filesystem::path& path)
{
    if (_wsopen_s(&m_descriptor, path.c_str(), _O_RDONLY | _O_BINARY, _SH_DENYRW, _S_IREAD) != 0)
        throw std::runtime_error("cannot hold " + path.string());
}

ExclusiveOpen::~ExclusiveOpen()
{
    _close(m_descriptor);
}

} // namespace zelt::test
