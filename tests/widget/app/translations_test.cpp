// The shipped translations: complete, faithful to their placeholders, and
// every window shows their longer words whole.
#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "library/ui/listdialogs.h"
#include "platform/translate.h"
#include "platform/ui/captionfit.h"
#include "settings/ui/fontdialogs.h"
#include "ui/widgetsupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <set>

namespace {

struct Message {
    QString context, source, translation, type;
};

// The text of the current element; lupdate writes a carriage return as
// <byte value="xd"/>.
QString ElementText(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.isCharacters()) text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        if (xml.atEnd()) break;
    }
    return text;
}

std::vector<Message> ReadTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        else if (xml.name() == QLatin1String("message")) messages.push_back({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source")) messages.back().source = ElementText(xml);
        else if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = ElementText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList ShippedTsFiles()
{
    const QDir dir(QStringLiteral(OV_SOURCE_DIR "/translations"));
    QStringList files;
    for (const QString& name : dir.entryList({QStringLiteral("orvella_*.ts")}, QDir::Files)) files << dir.filePath(name);
    return files;
}

QString LanguageOf(const QString& tsFile)
{
    return QFileInfo(tsFile).completeBaseName().mid(int(qstrlen("orvella_")));
}

// printf conversions must come in the same order; Qt's %1.. may move.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression printf(QStringLiteral("%[-+ #0]*[0-9]*(?:\\.[0-9]+)?(?:ll|l|h)?[sdiuxXcfgp%]"));
    static const QRegularExpression qtArg(QStringLiteral("%[1-9][0-9]?"));
    QStringList found;
    for (auto it = printf.globalMatch(text); it.hasNext();) found << it.next().captured();
    QStringList args;
    for (auto it = qtArg.globalMatch(text); it.hasNext();) args << it.next().captured();
    args.sort();
    return found + args;
}

int Accelerators(const QString& text)
{
    static const QRegularExpression mark(QStringLiteral("&(?!&)(?=\\w)"));
    return int(text.count(mark));
}

// What lupdate finds in the sources today, as context + source.
std::set<std::pair<QString, QString>> SourceTexts()
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("sources.ts"));
    QStringList args{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                     QStringLiteral("-tr-function-alias"), QStringLiteral("translate+=Tr"),
                     QStringLiteral("-I"), QStringLiteral(OV_SOURCE_DIR)};
    for (const QString& folder : QStringLiteral(OV_TR_FOLDERS).split(QLatin1Char(' ')))
        args << QStringLiteral(OV_SOURCE_DIR "/") + folder;
    args << QStringLiteral("-ts") << ts;
    QProcess lupdate;
    lupdate.start(QStringLiteral(OV_LUPDATE), args);
    EXPECT_TRUE(lupdate.waitForFinished(-1) && lupdate.exitCode() == 0) << lupdate.readAllStandardError().toStdString();
    std::set<std::pair<QString, QString>> texts;
    for (const Message& m : ReadTs(ts)) texts.insert({m.context, m.source});
    return texts;
}

// Back to English when a test ends, however it ends.
struct EnglishAfterwards {
    ~EnglishAfterwards() { ov::RemoveTranslations(); }
};

} // namespace

TEST(Translations, EveryTextOfTheSourcesIsTranslatedFaithfullyAndBuilt)
{
    EnglishAfterwards english;
    const QStringList files = ShippedTsFiles();
    ASSERT_GE(files.size(), 2);
    const auto sources = SourceTexts();
    ASSERT_GT(sources.size(), 100u);
    for (const QString& file : files) {
        const std::string language = LanguageOf(file).toStdString();
        SCOPED_TRACE(language);
        ASSERT_EQ(ov::InstallTranslations({QString::fromStdString(language)}, OV_QM_DIR), language);
        std::set<std::pair<QString, QString>> shipped;
        for (const Message& m : ReadTs(file)) {
            const std::string where = m.context.toStdString() + ": " + m.source.toStdString();
            if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete")) continue;
            shipped.insert({m.context, m.source});
            EXPECT_TRUE(m.type.isEmpty() && !m.translation.trimmed().isEmpty()) << "unfinished: " << where;
            EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source)) << where;
            EXPECT_EQ(Accelerators(m.translation), Accelerators(m.source)) << where;
            // The built file says the same as the .ts file.
            EXPECT_EQ(QCoreApplication::translate(m.context.toUtf8(), m.source.toUtf8()), m.translation) << where;
        }
        for (const auto& [context, source] : sources)
            EXPECT_TRUE(shipped.count({context, source})) << "not in the .ts file: " << context.toStdString() << ": "
                                                          << source.toStdString();
    }
    ov::RemoveTranslations();
    EXPECT_STREQ(ov::Tr("MessageBox", "Warning"), "Warning");
    // The first wanted language that ships wins; English, the source, ships.
    const auto chosen = [](QStringList wanted) { return ov::InstallTranslations(wanted, OV_QM_DIR); };
    EXPECT_EQ(chosen({"xx-YY", "xx", "fr-FR", "de"}), "fr");
    EXPECT_EQ(chosen({"de-Latn-AT"}), "de");
    EXPECT_EQ(chosen({"en-GB", "de-DE", "de"}), "");
    EXPECT_EQ(chosen({"xx-YY", "C"}), "");
}

namespace {

// Every caption the window shows that has less room than its text needs.
QStringList Clipped(QWidget* root)
{
    QStringList clipped;
    const auto report = [&](QWidget* w, const QString& text) {
        clipped << QStringLiteral("%1 '%2' (%3 px wide)").arg(w->objectName(), text).arg(w->width());
    };
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root)) continue;
        const QFontMetrics fm(w->font());
        QString text;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            if (text.isEmpty()) continue;
            const QSize need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
            fits = need.width() <= label->width() && need.height() <= label->height();
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            text = static_cast<QAbstractButton*>(w)->text();
            fits = w->sizeHint().width() <= w->width();
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            text = button->text();
            fits = ov::CaptionWidth(button) <= w->width();
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            text = group->title();
            fits = group->minimumSizeHint().width() <= group->width();
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QRect tab = tabs->tabRect(i);
                if (tab.right() >= tabs->width() || tab.width() < fm.horizontalAdvance(tabs->tabText(i)))
                    report(w, tabs->tabText(i));
            }
            continue;
        } else {
            continue;
        }
        // Room inside the control is no use when its parent cuts it off.
        if (!fits || !w->parentWidget()->rect().contains(w->geometry())) report(w, text);
    }
    return clipped;
}

} // namespace

class TranslatedWindows : public ovtest::WindowTest {};

TEST_F(TranslatedWindows, NoControlClipsItsTextInAnyShippedLanguage)
{
    EnglishAfterwards english;
    exe->MakeCategory("Confidence", {{"Morning", "I can.\r\n"}});
    QStringList languages{QStringLiteral("en")};
    for (const QString& file : ShippedTsFiles()) languages << LanguageOf(file);
    const auto expectWhole = [](QWidget* root, const QString& language, const QString& where) {
        for (const QString& clipped : Clipped(root))
            ADD_FAILURE() << language.toStdString() << ", " << where.toStdString() << ": " << clipped.toStdString();
    };
    for (const QString& language : languages) {
        ov::InstallTranslations({language}, OV_QM_DIR);
        MainWindow& window = MakeMain();
        // With the bar that stands in for the tray menu, as start-up builds it.
        window.EnterNoTrayMode();
        window.show();
        QTabWidget* pages = Pages();
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QCoreApplication::sendPostedEvents(); // the layouts settle
            expectWhole(&window, language, pages->tabText(i));
        }
        for (QWidget* dialog : std::initializer_list<QWidget*>{newListDialog, deleteListDialog, fontSizeDialog,
                                                               fontColorDialog, fontNameDialog}) {
            dialog->show();
            QCoreApplication::sendPostedEvents();
            expectWhole(dialog, language, dialog->windowTitle());
            dialog->hide();
        }
        DestroyWindows();
        main = nullptr;
    }
}
