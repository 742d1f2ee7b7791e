// libFuzzer target for the help document reader: any bytes must load
// without a crash, a hang or a sanitizer report.
#include "branding/rtf.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTextDocument doc;
    ov::LoadRtf(std::string_view(reinterpret_cast<const char*>(data), size), doc);
    // Lay the document out too: tables and page breaks must survive that.
    doc.setPageSize(QSizeF(400, 300));
    (void)doc.pageCount();
    return 0;
}
