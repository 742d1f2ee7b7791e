#include "branding/branding.h"
#include "branding/regfile.h"
#include "platform/files.h"
#include "platform/utils.h"
#include "platform/error.h"
#include "platform/translate.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <vector>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef ORVELLA_VERSION
#error "ORVELLA_VERSION comes from the build"
#endif

#define OV_VERSION_PREFIX "ORVELLA-FILEVERSION:"

#if defined(__has_attribute)
#if __has_attribute(retain)
#define OV_KEEP __attribute__((used, retain, section(".orvella_version")))
#endif
#endif
#ifndef OV_KEEP
#define OV_KEEP __attribute__((used, section(".orvella_version")))
#endif

// The version stamp read back by ReadFileVersion, in its own section so that
// neither the compiler nor the linker drops it. It lives in this file because
// every program that shows its version links this file.
extern "C" const char ov_file_version_stamp[] OV_KEEP = OV_VERSION_PREFIX ORVELLA_VERSION;

namespace ov {

std::string BrandingKeyPath(const std::string& exeFileName)
{
    return "Halvorn/" + exeFileName + "/Branding.reg";
}

RegValues DefaultBrandingRecord()
{
    // Compiled in: an executable started from the build tree, copied alone or
    // installed anywhere still finds it, with no data folder to look for.
    QFile f(QStringLiteral(":/orvella/Branding.reg"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = f.readAll();
    return ParseRegValues(std::string_view(data.constData(), size_t(data.size())));
}

static RegValues ReadBrandingRecord(const std::string& keyPath)
{
    // A record that cannot be read or holds no value would blank the product
    // pages: the next folder's record stands in, at last the shipped one.
    for (const std::string& folder : ConfigSearchFolders()) {
        const std::string file = FindConfigFile(keyPath, {folder});
        if (file.empty()) continue;
        RegValues values = ReadRegFile(file);
        if (values.Size() > 0) return values;
    }
    return DefaultBrandingRecord();
}

std::string ReadBrandingValue(const std::string& valueName, const std::string& keyPath)
{
    return ReadBrandingRecord(keyPath).Get(valueName);
}

BrandingInfo LoadBrandingInfo(const std::string& keyPath)
{
    const RegValues rec = ReadBrandingRecord(keyPath);
    BrandingInfo b;
    b.AppName = rec.Get("AppName");
    b.Publisher = rec.Get("Publisher");
    b.Copyright = rec.Get("Copyright");
    b.HTTP_BASEURL = rec.Get("HTTP_BASEURL");
    b.HTTP_COMPANY_URL = rec.Get("HTTP_COMPANY_URL");
    // Pages are addressed below the base address; no slash is trimmed, so a
    // distributor's record means exactly what it says.
    auto composed = [&](const char* name) { return b.HTTP_BASEURL + "/" + rec.Get(name); };
    b.HTTP_SUBSCRIBE = composed("HTTP_SUBSCRIBE");
    b.HTTP_HELP = composed("HTTP_HELP");
    b.HTTP_GETTINGSTARTED = composed("HTTP_GETTINGSTARTED");
    b.HTTP_UPDATES = composed("HTTP_UPDATES");
    b.HTTP_FAQ = composed("HTTP_FAQ");
    b.HTTP_VIDEO = composed("HTTP_VIDEO");
    b.HTTP_ADDITIONAL = composed("HTTP_ADDITIONAL");
    b.HTTP_RESOURCES = composed("HTTP_RESOURCES");
    b.HTTP_PROMOTION = composed("HTTP_PROMOTION");
    return b;
}

namespace {

constexpr std::string_view kPrefix = OV_VERSION_PREFIX;
constexpr size_t kVersionTail = 4 * 5 + 3 + 1; // "65535.65535.65535.65535" and its end

// Parses "a.b.c.d" ending in a zero byte at s[pos]; missing parts are 0.
bool ParseStamp(std::string_view s, size_t pos, std::array<uint16_t, 4>& parts)
{
    parts = {0, 0, 0, 0};
    for (size_t idx = 0; idx < 4; ++idx) {
        uint32_t v = 0;
        size_t digits = 0;
        while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && digits < 6) {
            v = v * 10 + uint32_t(s[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || v > 0xFFFF) return false;
        parts[idx] = uint16_t(v);
        if (idx < 3 && pos < s.size() && s[pos] == '.') { ++pos; continue; }
        break;
    }
    return pos < s.size() && s[pos] == '\0';
}

} // namespace

std::optional<std::array<uint16_t, 4>> ReadFileVersion(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    // Streamed in chunks: executables can be large, and only a window the
    // size of one stamp has to survive from one chunk to the next.
    std::string buf;
    std::vector<char> chunk(1 << 20);
    size_t scanFrom = 0;
    bool eof = false;
    std::array<uint16_t, 4> parts {};
    for (;;) {
        const ssize_t n = read(fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) eof = true;
        else buf.append(chunk.data(), size_t(n));

        bool needMore = false;
        for (;;) {
            const size_t p = buf.find(kPrefix, scanFrom);
            if (p == std::string::npos) break;
            const size_t body = p + kPrefix.size();
            if (!eof && buf.size() - body < kVersionTail) {
                scanFrom = p;
                needMore = true;
                break;
            }
            if (ParseStamp(buf, body, parts)) {
                close(fd);
                return parts;
            }
            scanFrom = p + 1; // the searcher's own copy of the prefix, or junk
        }
        if (eof) break;
        if (needMore) {
            buf.erase(0, scanFrom);
        } else {
            const size_t keep = std::min(buf.size(), kPrefix.size() - 1);
            buf.erase(0, buf.size() - keep);
        }
        scanFrom = 0;
    }
    close(fd);
    return std::nullopt;
}

std::string FormatVersionParts(const std::string& fmt, const std::array<uint16_t, 4>& parts)
{
    // A format from outside never reaches printf: only %d and %u are filled.
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] == '%' && i + 1 < fmt.size()) {
            const char k = fmt[i + 1];
            if (k == '%') { out += '%'; ++i; continue; }
            if ((k == 'd' || k == 'u') && next < parts.size()) {
                out += std::to_string(parts[next++]);
                ++i;
                continue;
            }
        }
        out += fmt[i];
    }
    return out;
}

std::string FormatFileVersion(const std::string& path, const std::string& fmt)
{
    const auto parts = ReadFileVersion(path);
    return parts ? FormatVersionParts(fmt, *parts) : std::string();
}

std::string BuildVersionText()
{
    return std::string(ov_file_version_stamp + kPrefix.size());
}

std::string AboutText(const std::string& appName, const std::string& publisher, int year)
{
    constexpr int kFirstYear = 2025;
    const std::string range = std::to_string(kFirstYear) + "-" + std::to_string(std::max(year, kFirstYear));
    return Format(Tr("Branding", "\nPatent Pending\n\nCopyright \xC2\xA9 %s %s. All rights reserved.\nNote: %s is a division of %s."),
                  range.c_str(), appName.c_str(), appName.c_str(), publisher.c_str());
}

BrandingTexts ComposeBrandingTexts(const BrandingInfo& info, const std::string& buildText, int year)
{
    BrandingTexts t;
    t.applicationTitle = info.AppName;
    t.aboutText = AboutText(info.AppName, info.Publisher, year);
    t.resourceTitle = Format(Tr("Branding", "%s Online Resource"), info.AppName.c_str());
    t.aboutTitle = info.AppName + buildText;
    std::string head, host;
    SplitAtDelimiter(info.HTTP_BASEURL, "//", true, head, host);
    t.visitCaption = Format(Tr("Branding", "Visit %s for more information"), host.c_str());
    return t;
}

std::string SimpleMarkupToHtml(std::string_view markup)
{
    static const std::pair<std::string_view, std::string_view> kTags[] = {
        {"<b>", "<b>"}, {"</b>", "</b>"}, {"<i>", "<i>"}, {"</i>", "</i>"},
        {"<br>", "<br>"}, {"<br/>", "<br>"}, {"<br />", "<br>"}};
    std::string out;
    out.reserve(markup.size() + 16);
    for (size_t i = 0; i < markup.size();) {
        bool tag = false;
        if (markup[i] == '<') {
            for (const auto& [in, html] : kTags) {
                if (i + in.size() <= markup.size() && AsciiLower(markup.substr(i, in.size())) == in) {
                    out += html;
                    i += in.size();
                    tag = true;
                    break;
                }
            }
        }
        if (tag) continue;
        switch (markup[i]) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += markup[i]; break;
        }
        ++i;
    }
    return out;
}

static std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string PicturePath(const std::string& folder, const std::string& name)
{
    const std::string found = FindFileNoCase(folder, name);
    return found.empty() ? std::string() : JoinPath(folder, found);
}

std::optional<QImage> LoadPicture(const std::string& folder, const std::string& name)
{
    const std::string path = PicturePath(folder, name);
    if (path.empty()) return std::nullopt;
    // Read through the one reader of user files: only a regular file, with
    // a cap, so a FIFO or a link to a device cannot hang start-up.
    std::string bytes;
    if (ReadRegularFile(path, bytes, kPictureFileCap) != ReadStatus::Ok) return std::nullopt;
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    // Judged by content, so a PNG saved under a .bmp name still shows.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull()) return std::nullopt;
    return img;
}

std::string HelpFilePath(const std::string& exeFolder)
{
    const std::string folder = JoinPath(exeFolder, "Help");
    const std::string found = FindFileNoCase(folder, "ovHelp.rtf");
    return found.empty() ? std::string() : JoinPath(folder, found);
}

} // namespace ov
