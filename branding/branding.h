#pragma once
#include "branding/regfile.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ov {

// Product name, publisher and page addresses, read once at start-up. A
// composed address is HTTP_BASEURL + "/" + its own value, formed even when
// either part is empty.
struct BrandingInfo {
    std::string AppName;
    std::string Publisher;
    std::string Copyright;
    std::string HTTP_BASEURL;
    std::string HTTP_COMPANY_URL;
    std::string HTTP_SUBSCRIBE;      // composed
    std::string HTTP_HELP;           // composed
    std::string HTTP_GETTINGSTARTED; // composed
    std::string HTTP_UPDATES;        // composed
    std::string HTTP_FAQ;            // composed
    std::string HTTP_VIDEO;          // composed
    std::string HTTP_ADDITIONAL;     // composed
    std::string HTTP_RESOURCES;      // composed
    std::string HTTP_PROMOTION;      // composed
};

// Where the branding record of an executable lives, relative to each
// configuration folder: "Halvorn/<executable file name>/Branding.reg".
std::string BrandingKeyPath(const std::string& exeFileName);

// The record the program ships, used when no configuration folder holds one.
RegValues DefaultBrandingRecord();

// One value of the branding record (value names match without regard to
// case). The file is looked up and read anew on every call; a record that
// cannot be read or holds no value is passed over, and the shipped record
// stands in when there is none; a missing value or a value that is not text
// gives empty text.
std::string ReadBrandingValue(const std::string& valueName, const std::string& keyPath);

// All fields, the file read once.
BrandingInfo LoadBrandingInfo(const std::string& keyPath);

// The four parts of the version the build stamped into an executable, or
// nothing for a file without the stamp (also a missing file or a folder).
std::optional<std::array<uint16_t, 4>> ReadFileVersion(const std::string& path);

// The file version formatted into fmt, whose %d (or %u) placeholders take the
// four parts in order; "%%" is a percent sign, anything else is copied as is.
// Empty text for a file without a version.
std::string FormatFileVersion(const std::string& path, const std::string& fmt);
std::string FormatVersionParts(const std::string& fmt, const std::array<uint16_t, 4>& parts);

// The version this build stamps, "a.b.c.d".
std::string BuildVersionText();

inline constexpr const char* kBuildFormat = " (Build %d.%d.%d.%d)";

// The five-line About text; year is the current year, the end of the
// copyright range.
std::string AboutText(const std::string& appName, const std::string& publisher, int year);

// The captions ApplyBranding puts on the windows.
struct BrandingTexts {
    std::string applicationTitle; // also the main window caption
    std::string aboutText;
    std::string resourceTitle;
    std::string aboutTitle;
    std::string visitCaption;
};
BrandingTexts ComposeBrandingTexts(const BrandingInfo& info, const std::string& buildText, int year);

// The simple markup of the Newsletter page's texts as Qt rich text: <b>,
// <i> and <br> (any letter case, "<br/>" too) keep their meaning; every
// other character, including any other tag, is shown as typed.
std::string SimpleMarkupToHtml(std::string_view markup);

// Optional pictures beside the executable, found without regard to case.
inline constexpr const char* kIconFile = "Icon.ico";
inline constexpr const char* kLogoFile = "Logo.bmp";
inline constexpr const char* kSideLogoFile = "Logo_2.bmp";

// Pictures are read whole, up to this size; a larger file shows no picture.
inline constexpr size_t kPictureFileCap = size_t(32) << 20;

// Full path of the file, or empty when there is none.
std::string PicturePath(const std::string& folder, const std::string& name);
// The picture, or nothing when the file is missing or not a readable image;
// a broken picture is the same as none, never an error.
std::optional<QImage> LoadPicture(const std::string& folder, const std::string& name);

// "Help/ovHelp.rtf" in the executable's folder (file name without regard to
// case), or empty when it does not exist.
std::string HelpFilePath(const std::string& exeFolder);

} // namespace ov
