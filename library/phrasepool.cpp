#include "library/phrasepool.h"
#include "library/libraryfolders.h"
#include "library/listfiles.h"
#include "library/listlines.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/translate.h"
#include "platform/utils.h"

#include <sys/stat.h>
#include <unistd.h>

namespace ov {

std::vector<std::string> SplitPhraseText(std::string_view bytes)
{
    std::vector<std::string> lines;
    DropUtf8Mark(bytes);
    ForEachListLine(bytes, [&](std::string_view line, std::string_view) { lines.emplace_back(line); });
    return lines;
}

void AppendPhraseText(std::string_view bytes, PhrasePool& pool)
{
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        // A list saved as UTF-16 flashes as the text it holds.
        const QByteArray utf8 = DecodeListText(bytes).text.toUtf8();
        AppendPhraseText(std::string_view(utf8.constData(), size_t(utf8.size())), pool);
        return;
    }
    // Lines average well over 8 bytes; reserving by that keeps the index
    // from reallocating while a large list is added.
    pool.Reserve(bytes.size(), bytes.size() / 8 + 1);
    DropUtf8Mark(bytes);
    ForEachListLine(bytes, [&](std::string_view line, std::string_view) { pool.Add(line); });
}

// What a failure was about: when the file or the reason changes, it is news.
// Unlike the editor's FileStamp, which must not take a chmod for another
// program's write, the permissions and a link's target count here: either
// may be why the list cannot be read.
static std::string FailureSignature(const std::string& path, const std::string& reason)
{
    std::string sig = reason + "|" + FileStamp(path);
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) sig += Format("|%o", unsigned(st.st_mode));
    char link[4096];
    const ssize_t n = readlink(path.c_str(), link, sizeof link);
    if (n > 0) sig.append("|").append(link, size_t(n));
    return sig;
}

std::vector<std::string> BuildPhrasePool(const std::string& category, const std::vector<std::string>& tickedLists,
                                         PhrasePool& pool, ReportMemory* reported)
{
    std::vector<std::string> messages;
    pool.Clear();
    std::string bytes, reason;
    for (const std::string& list : tickedLists) {
        const std::string path = ListPath(category, list);
        const ReadStatus status = ReadRegularFile(path, bytes, kUserFileCap, &reason);
        if (status == ReadStatus::Ok) {
            if (reported) reported->Forget(path);
            AppendPhraseText(bytes, pool);
            continue;
        }
        // A list that has gone, or a folder named like a list, has no phrases.
        if (status == ReadStatus::Missing || FolderExists(path)) continue;
        if (reported && !reported->IsNew(path, FailureSignature(path, reason))) continue;
        messages.push_back(Format(Tr("Lists", "Cannot open file \"%s\". %s.\nThe list \"%s\" is left out of the phrases shown."),
                                  path.c_str(), reason.c_str(), list.c_str()));
    }
    return messages;
}

} // namespace ov
