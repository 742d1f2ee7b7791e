#include "testsupport.h"
#include "platform/files.h"
#include "platform/utils.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace ovtest {

TempExeFolder::TempExeFolder()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "orvella-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
    dir_ = tmpl;
    ov::SetExePath(dir_ + "/Orvella");
}

TempExeFolder::~TempExeFolder()
{
    ov::SetExePath({});
    std::error_code ec;
    // Restore permissions a test took away, so everything can be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(dir_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(dir_, ec);
}

void TempExeFolder::Write(const std::string& relative, std::string_view bytes) const
{
    const std::filesystem::path p = Path(relative);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string TempExeFolder::Read(const std::string& relative) const
{
    std::string out;
    ov::ReadWholeFile(Path(relative), out);
    return out;
}

void TempExeFolder::MakeFolder(const std::string& relative) const
{
    std::filesystem::create_directories(Path(relative));
}

void TempExeFolder::MakeCategory(const std::string& category,
                                 const std::vector<std::pair<std::string, std::string>>& lists) const
{
    MakeFolder("Affirmations/" + category);
    for (const auto& [name, content] : lists) Write("Affirmations/" + category + "/" + name + ".txt", content);
}

bool RunningAsRoot() { return geteuid() == 0; }

} // namespace ovtest
