#include "branding/branding.h"
#include "branding/regfile.h"
#include "../settings/settings_test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace {

void WriteFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

// Points the configuration folders at a temporary tree and restores them.
class BrandingStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "HOME"}) {
            const char* v = std::getenv(name);
            saved_.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
        }
        setenv("XDG_CONFIG_HOME", (root() + "/home").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (root() + "/sys1:" + root() + "/sys2").c_str(), 1);
    }
    void TearDown() override
    {
        for (const auto& [name, v] : saved_) {
            if (v) setenv(name.c_str(), v->c_str(), 1);
            else unsetenv(name.c_str());
        }
    }
    std::string root() const { return tmp_.path().toStdString(); }
    void Put(const std::string& base, const std::string& exe, const QByteArray& data)
    {
        WriteFile(QString::fromStdString(root() + "/" + base + "/" + ov::BrandingKeyPath(exe)), data);
    }

    QTemporaryDir tmp_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(BrandingStore, UserFileWinsOverSystemFoldersInOrder)
{
    const std::string key = ov::BrandingKeyPath("App");
    EXPECT_EQ(key, "Halvorn/App/Branding.reg");
    EXPECT_EQ(ov::ReadBrandingValue("AppName", key), "Orvella"); // none found: the shipped record

    Put("sys2", "App", "\"AppName\"=\"second\"\n");
    EXPECT_EQ(ov::ReadBrandingValue("AppName", key), "second");
    Put("sys1", "App", "\"AppName\"=\"first\"\n");
    EXPECT_EQ(ov::ReadBrandingValue("AppName", key), "first");
    Put("home", "App", "\"Publisher\"=\"user\"\n");
    // The first file found is the record; its values are not merged with the others.
    EXPECT_EQ(ov::ReadBrandingValue("AppName", key), "");
    EXPECT_EQ(ov::ReadBrandingValue("publisher", key), "user");
    // Another executable name has no record of its own.
    EXPECT_EQ(ov::ReadBrandingValue("Publisher", ov::BrandingKeyPath("Other")), "Halvorn");
}

TEST_F(BrandingStore, KeyFoldersMatchWithoutRegardToCase)
{
    // The package ships Halvorn/Orvella/ for the executable /usr/bin/orvella.
    Put("sys2", "Orvella", "\"AppName\"=\"shipped\"\n");
    EXPECT_EQ(ov::ReadBrandingValue("AppName", ov::BrandingKeyPath("orvella")), "shipped");
    // The exact spelling wins within a folder; the user's record still wins over the system's.
    Put("sys1", "orvella", "\"AppName\"=\"exact\"\n");
    Put("sys1", "ORVELLA", "\"AppName\"=\"other\"\n");
    EXPECT_EQ(ov::ReadBrandingValue("AppName", ov::BrandingKeyPath("orvella")), "exact");
    Put("home", "Orvella", "\"AppName\"=\"user\"\n");
    EXPECT_EQ(ov::ReadBrandingValue("AppName", ov::BrandingKeyPath("orvella")), "user");
}

TEST_F(BrandingStore, EachReadOpensTheRecordAnew)
{
    const std::string key = ov::BrandingKeyPath("App");
    Put("home", "App", "\"AppName\"=\"old\"\n");
    EXPECT_EQ(ov::ReadBrandingValue("AppName", key), "old");
    Put("home", "App", "\"AppName\"=\"new\"\n");
    EXPECT_EQ(ov::ReadBrandingValue("AppName", key), "new");
}

TEST_F(BrandingStore, LoadsEveryFieldAndComposesPageAddresses)
{
    Put("home", "App",
        "\"AppName\"=\"Orvella\"\n\"Publisher\"=\"Halvorn\"\n\"Copyright\"=\"(c) H\"\n"
        "\"HTTP_BASEURL\"=\"https://example.org/app\"\n\"HTTP_COMPANY_URL\"=\"https://example.org\"\n"
        "\"HTTP_SUBSCRIBE\"=\"subscribe\"\n\"HTTP_HELP\"=\"help\"\n\"HTTP_GETTINGSTARTED\"=\"start\"\n"
        "\"HTTP_UPDATES\"=\"updates\"\n\"HTTP_FAQ\"=\"faq\"\n\"HTTP_VIDEO\"=\"video\"\n"
        "\"HTTP_ADDITIONAL\"=\"more\"\n\"HTTP_RESOURCES\"=\"res\"\n\"HTTP_PROMOTION\"=dword:00000001\n");
    const ov::BrandingInfo b = ov::LoadBrandingInfo(ov::BrandingKeyPath("App"));
    EXPECT_EQ(b.AppName, "Orvella");
    EXPECT_EQ(b.Publisher, "Halvorn");
    EXPECT_EQ(b.Copyright, "(c) H");
    EXPECT_EQ(b.HTTP_BASEURL, "https://example.org/app");
    EXPECT_EQ(b.HTTP_COMPANY_URL, "https://example.org"); // read, not composed
    EXPECT_EQ(b.HTTP_SUBSCRIBE, "https://example.org/app/subscribe");
    EXPECT_EQ(b.HTTP_HELP, "https://example.org/app/help");
    EXPECT_EQ(b.HTTP_GETTINGSTARTED, "https://example.org/app/start");
    EXPECT_EQ(b.HTTP_UPDATES, "https://example.org/app/updates");
    EXPECT_EQ(b.HTTP_FAQ, "https://example.org/app/faq");
    EXPECT_EQ(b.HTTP_VIDEO, "https://example.org/app/video");
    EXPECT_EQ(b.HTTP_ADDITIONAL, "https://example.org/app/more");
    EXPECT_EQ(b.HTTP_RESOURCES, "https://example.org/app/res");
    EXPECT_EQ(b.HTTP_PROMOTION, "https://example.org/app/"); // a number reads as empty
}

TEST_F(BrandingStore, UnreadableOrEmptyRecordGivesWayToTheShippedOne)
{
    const std::string key = ov::BrandingKeyPath("App");
    Put("sys2", "App", "\"AppName\"=\"shipped\"\n");
    for (const QByteArray& empty : {QByteArray(), QByteArray("Windows Registry Editor Version 5.00\r\n\r\n")}) {
        Put("home", "App", empty);
        EXPECT_EQ(ov::LoadBrandingInfo(key).AppName, "shipped") << empty.constData();
        EXPECT_EQ(ov::ReadBrandingValue("AppName", key), "shipped");
    }
    Put("sys2", "App", "");
    EXPECT_EQ(ov::LoadBrandingInfo(key).AppName, "Orvella"); // none usable: the built-in copy

    Put("sys2", "App", "\"AppName\"=\"shipped\"\n");
    Put("home", "App", "\"AppName\"=\"mine\"\n");
    const std::string mine = root() + "/home/" + key;
    ASSERT_EQ(chmod(mine.c_str(), 0), 0);
    ASSERT_EQ(chmod(root().c_str(), 0755), 0);
    const auto seen = ovtest::RunUnprivileged([&] { return ov::LoadBrandingInfo(key).AppName; });
    ASSERT_TRUE(seen) << "cannot switch to the user nobody";
    EXPECT_EQ(*seen, "shipped");
}

TEST_F(BrandingStore, ComposedAddressesAreFormedEvenWhenEmpty)
{
    Put("home", "App", "\"Other\"=\"value\"\n");
    const auto none = ov::LoadBrandingInfo(ov::BrandingKeyPath("App"));
    EXPECT_EQ(none.AppName, "");
    EXPECT_EQ(none.HTTP_BASEURL, "");
    EXPECT_EQ(none.HTTP_SUBSCRIBE, "/");
    EXPECT_EQ(none.HTTP_PROMOTION, "/");

    Put("home", "App", "\"HTTP_BASEURL\"=\"https://h.example/\"\n\"HTTP_FAQ\"=\"faq\"\n");
    const auto slash = ov::LoadBrandingInfo(ov::BrandingKeyPath("App"));
    EXPECT_EQ(slash.HTTP_FAQ, "https://h.example//faq");
    EXPECT_EQ(slash.HTTP_VIDEO, "https://h.example//");
}

TEST(BrandingTexts, CaptionsFromAFullRecord)
{
    ov::BrandingInfo b;
    b.AppName = "Orvella";
    b.Publisher = "Halvorn";
    b.HTTP_BASEURL = "https://example.org/orvella";
    const auto t = ov::ComposeBrandingTexts(b, " (Build 1.1.1.92)", 2030);
    EXPECT_EQ(t.applicationTitle, "Orvella");
    EXPECT_EQ(t.resourceTitle, "Orvella Online Resource");
    EXPECT_EQ(t.aboutTitle, "Orvella (Build 1.1.1.92)");
    EXPECT_EQ(t.visitCaption, "Visit example.org/orvella for more information");
    EXPECT_EQ(t.aboutText,
              "\nPatent Pending\n\nCopyright \xC2\xA9 2025-2030 Orvella. All rights reserved.\n"
              "Note: Orvella is a division of Halvorn.");
}

TEST(BrandingTexts, EmptyRecordAndBareHost)
{
    const auto t = ov::ComposeBrandingTexts(ov::BrandingInfo(), "", 2026);
    EXPECT_EQ(t.applicationTitle, "");
    EXPECT_EQ(t.resourceTitle, " Online Resource");
    EXPECT_EQ(t.aboutTitle, "");
    EXPECT_EQ(t.visitCaption, "Visit  for more information");

    ov::BrandingInfo b;
    b.HTTP_BASEURL = "www.example.org";
    EXPECT_EQ(ov::ComposeBrandingTexts(b, "", 2026).visitCaption,
              "Visit www.example.org for more information");
}

TEST(FileVersion, ReadsTheStampOfThisVeryExecutable)
{
    const std::string expected = " (Build " + std::to_string(ORVELLA_VERSION_MAJOR) + "."
        + std::to_string(ORVELLA_VERSION_MINOR) + "." + std::to_string(ORVELLA_VERSION_PATCH) + "."
        + std::to_string(ORVELLA_VERSION_TWEAK) + ")";
    EXPECT_EQ(ov::FormatFileVersion("/proc/self/exe", ov::kBuildFormat), expected);
    EXPECT_EQ(ov::BuildVersionText(), ORVELLA_VERSION);
}

// Put together at run time: a whole stamp written here would sit in this test
// program's own bytes, ahead of the real one.
QByteArray Stamp(const char* version, int size)
{
    return QByteArray("ORVELLA-") + QByteArray("FILEVERSION:") + QByteArray(version, size);
}

TEST(FileVersion, FilesWithoutAStampGiveEmptyText)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("plain.bin"), "no version here " + Stamp("x\0", 2));
    WriteFile(dir.filePath("toobig.bin"), Stamp("1.70000.0.0\0", 12));
    WriteFile(dir.filePath("unterminated.bin"), Stamp("1.2.3.4", 7));
    for (const char* name : {"plain.bin", "toobig.bin", "unterminated.bin", "missing.bin"})
        EXPECT_EQ(ov::FormatFileVersion(dir.filePath(name).toStdString(), ov::kBuildFormat), "") << name;
    EXPECT_EQ(ov::FormatFileVersion(dir.path().toStdString(), ov::kBuildFormat), "");
}

TEST(FileVersion, FindsAStampAfterDecoysAndAcrossReadChunks)
{
    QTemporaryDir dir;
    // The stamp straddles the reader's 1 MiB chunk boundary, after a decoy.
    QByteArray data = Stamp("\0", 1);
    data += QByteArray((1 << 20) - 30, 'x');
    data += Stamp("2.10.300.4000\0tail", 18);
    WriteFile(dir.filePath("app"), data);
    const auto v = ov::ReadFileVersion(dir.filePath("app").toStdString());
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(*v, (std::array<uint16_t, 4> {2, 10, 300, 4000}));
}

TEST(FileVersion, FormatFillsOnlyNumberPlaceholders)
{
    const std::array<uint16_t, 4> p {1, 2, 65535, 4};
    EXPECT_EQ(ov::FormatVersionParts(" (Build %d.%d.%d.%d)", p), " (Build 1.2.65535.4)");
    // A stray %s or %n must not reach printf.
    EXPECT_EQ(ov::FormatVersionParts("%s %n %d%% %u.%d.%d.%d", p), "%s %n 1% 2.65535.4.%d");
}

TEST(Pictures, LoadsByNameWithoutCaseAndIgnoresBrokenFiles)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(dir.filePath("LOGO.BMP"), "BMP"));
    WriteFile(dir.filePath("Logo_2.bmp"), QByteArray("BM\x10\x00garbage that is not a bitmap", 30));

    const auto logo = ov::LoadPicture(folder, ov::kLogoFile);
    ASSERT_TRUE(logo.has_value());
    EXPECT_EQ(logo->size(), QSize(20, 10));
    EXPECT_EQ(ov::PicturePath(folder, ov::kLogoFile), folder + "LOGO.BMP");

    EXPECT_FALSE(ov::LoadPicture(folder, ov::kSideLogoFile).has_value());
    EXPECT_FALSE(ov::LoadPicture(folder, ov::kIconFile).has_value());
    EXPECT_EQ(ov::PicturePath(folder, ov::kIconFile), "");
}

TEST(HelpFile, FoundBesideTheExecutable)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    EXPECT_EQ(ov::HelpFilePath(folder), "");
    WriteFile(dir.filePath("Help/OVHELP.RTF"), "{\\rtf1 x}");
    EXPECT_EQ(ov::HelpFilePath(folder), folder + "Help/OVHELP.RTF");
}

TEST(DefaultRecord, ShippedFileNamesTheProductAndEveryPageAndIsCompiledIn)
{
    const std::string src = OV_SOURCE_DIR;
    const auto file = ov::ReadRegFile(src + "/data/Branding.reg");
    const auto built = ov::DefaultBrandingRecord();
    EXPECT_EQ(file.Get("AppName"), "Orvella");
    EXPECT_EQ(file.Get("Publisher"), "Halvorn");
    EXPECT_EQ(file.Get("HTTP_BASEURL").rfind("https://", 0), 0u);
    for (const char* name : {"AppName", "Publisher", "Copyright", "HTTP_BASEURL", "HTTP_COMPANY_URL"})
        EXPECT_EQ(built.Get(name), file.Get(name)) << name;
    for (const char* page : {"HTTP_SUBSCRIBE", "HTTP_HELP", "HTTP_GETTINGSTARTED", "HTTP_UPDATES",
                             "HTTP_FAQ", "HTTP_VIDEO", "HTTP_ADDITIONAL", "HTTP_RESOURCES",
                             "HTTP_PROMOTION"}) {
        EXPECT_FALSE(file.Get(page).empty()) << page;
        EXPECT_EQ(built.Get(page), file.Get(page)) << page;
    }
    EXPECT_EQ(built.Size(), file.Size());
}

} // namespace

namespace {

TEST(SimpleMarkup, KeepsBoldItalicAndBreaksAndEscapesEverythingElse)
{
    EXPECT_EQ(ov::SimpleMarkupToHtml("<B>Free</b> and <i>easy</I><BR>next<br/>last<Br />"),
              "<b>Free</b> and <i>easy</i><br>next<br>last<br>");
    // Any other tag, entity or stray bracket is shown as typed.
    EXPECT_EQ(ov::SimpleMarkupToHtml("<a href=\"x\">go</a> &amp; 1<2 > <b"),
              "&lt;a href=&quot;x&quot;&gt;go&lt;/a&gt; &amp;amp; 1&lt;2 &gt; &lt;b");
    EXPECT_EQ(ov::SimpleMarkupToHtml("<script>alert(1)</script>"), "&lt;script&gt;alert(1)&lt;/script&gt;");
    EXPECT_EQ(ov::SimpleMarkupToHtml(""), "");
}

} // namespace
