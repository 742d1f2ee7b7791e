#include "platform/translate.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <mutex>
#include <set>
#include <vector>

namespace ov {

namespace {
std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool IsEnglish(const QString& language) { return language == QLatin1String("en") || language.startsWith(QLatin1String("en_")); }

std::unique_ptr<QTranslator> LoadFile(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    // A name loads only as given: QTranslator would otherwise try shorter
    // names itself and pick "orvella.qm" or a neighbour language.
    const QString path = folder + QLatin1Char('/') + name + QLatin1String(".qm");
    if (!QFileInfo(path).isFile() || !translator->load(path)) return nullptr;
    return translator;
}
} // namespace

const char* Tr(const char* context, const char* text)
{
    const QByteArray translated = QCoreApplication::translate(context, text).toUtf8();
    if (translated == text) return text;
    // Each distinct translation is kept once; their number is bounded by the
    // program's texts.
    static std::mutex lock;
    static std::set<std::string> texts;
    std::lock_guard<std::mutex> hold(lock);
    return texts.emplace(translated.constData(), size_t(translated.size())).first->c_str();
}

std::string InstallTranslations(const QStringList& languages, const std::string& folder)
{
    RemoveTranslations();
    const QString dir = QString::fromLocal8Bit(folder.c_str());
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (IsEnglish(language)) return {};
        QStringList names{language};
        if (language.contains(QLatin1Char('_'))) names << language.section(QLatin1Char('_'), 0, 0);
        for (const QString& name : names) {
            std::unique_ptr<QTranslator> own = LoadFile(QLatin1String("orvella_") + name, dir);
            if (!own) continue;
            // Qt's own texts, where Debian ships them; the program's texts
            // do without.
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            for (const QString& qtName : {QLatin1String("qtbase_") + language, QLatin1String("qtbase_") + name}) {
                if (std::unique_ptr<QTranslator> qt = LoadFile(qtName, qtFolder)) {
                    QCoreApplication::installTranslator(qt.get());
                    Installed().push_back(std::move(qt));
                    break;
                }
            }
            QCoreApplication::installTranslator(own.get());
            Installed().push_back(std::move(own));
            return name.toStdString();
        }
    }
    return {};
}

std::string InstallTranslations()
{
    return InstallTranslations(QLocale::system().uiLanguages(), ShippedFolder() + "translations");
}

void RemoveTranslations()
{
    for (const std::unique_ptr<QTranslator>& t : Installed()) QCoreApplication::removeTranslator(t.get());
    Installed().clear();
}

} // namespace ov
