// SPDX-License-Identifier: MIT
// The catalogues: complete, loadable, and agreeing with the names that the
// command line and the key assignment dialog accept.
#include "../in_language.h"
#include "core/model/basic_functions.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantrel::ui::testing {
namespace {

const QString kCatalogues = QStringLiteral(VANTREL_TRANSLATIONS_DIR);

struct Entry {
    QString source, translation;
    bool unfinished = false;
};

std::vector<Entry> entriesOf(const QString& file) {
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    QXmlStreamReader xml(&f);
    std::vector<Entry> entries;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            entries.push_back({xml.readElementText(), {}, false});
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            entries.back().unfinished = !type.isEmpty();
            entries.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << file.toStdString();
    return entries;
}

// Every language but English, the source, has its catalogue file.
std::vector<std::string> catalogueFiles() {
    std::vector<std::string> names;
    for (UiLanguage l : interfaceLanguages()) {
        if (l != UiLanguage::englishInterface()) {
            names.push_back("vantrel_" + std::string(l.catalogue()) + ".ts");
        }
    }
    return names;
}

TEST(Catalogues, EveryLanguageHasOneAndNoneIsLeftOver) {
    const QStringList files = QDir(kCatalogues).entryList({QStringLiteral("*.ts")}, QDir::Files);
    EXPECT_EQ(static_cast<std::size_t>(files.size()), catalogueFiles().size());
    for (const std::string& name : catalogueFiles()) {
        EXPECT_TRUE(files.contains(QString::fromStdString(name))) << name;
    }
}

TEST(Catalogues, EveryEntryIsTranslatedAndKeepsItsPlaceholders) {
    for (const std::string& file : catalogueFiles()) {
        const char* name = file.c_str();
        const auto entries = entriesOf(kCatalogues + QLatin1Char('/') + QLatin1String(name));
        EXPECT_GT(entries.size(), 150u) << name;
        for (const Entry& e : entries) {
            EXPECT_FALSE(e.unfinished) << name << ": " << e.source.toStdString();
            EXPECT_FALSE(e.translation.isEmpty()) << name << ": " << e.source.toStdString();
            for (const char* arg : {"%1", "%2"}) {
                EXPECT_EQ(e.source.contains(QLatin1String(arg)),
                          e.translation.contains(QLatin1String(arg)))
                    << name << ": " << e.source.toStdString();
            }
        }
    }
}

TEST(Catalogues, BuiltInCataloguesLoadAndSpeakTheirLanguage) {
    const auto apply = [] { return QCoreApplication::translate("MainWindow", "Apply"); };
    EXPECT_EQ(apply(), QStringLiteral("Apply"));
    {
        const InLanguage in(UiLanguage::russianInterface());
        EXPECT_EQ(apply(), QStringLiteral("Применить"));
    }
    {
        const InLanguage in(UiLanguage::chineseInterface());
        EXPECT_EQ(apply(), QStringLiteral("應用"));
    }
    for (UiLanguage l : interfaceLanguages()) {
        InterfaceTranslator catalogue;
        EXPECT_TRUE(catalogue.use(l)) << l.catalogue();
        EXPECT_EQ(apply() == QStringLiteral("Apply"), l == UiLanguage::englishInterface())
            << l.catalogue();
    }
    EXPECT_EQ(apply(), QStringLiteral("Apply")) << "the catalogue goes with its owner";
    InterfaceTranslator none;
    EXPECT_TRUE(none.use(UiLanguage::englishInterface()));
}

// The tree shows the catalogue's names; the command line and stored names
// are matched against the table's. Both must be the same words.
TEST(Catalogues, FunctionNamesAgreeWithTheTable) {
    for (UiLanguage language : interfaceLanguages()) {
        const InLanguage in(language);
        for (const BasicFunction& f : BasicFunctionTable()) {
            const auto own = f.name(language);
            EXPECT_EQ(QCoreApplication::translate(kBasicFunctionContext, f.englishName),
                      QString::fromUtf8(own.data(), static_cast<qsizetype>(own.size())))
                << f.englishName;
        }
    }
}

// Russian and Chinese live in the catalogues only: a text written into the
// window layer or the program in either would escape translation.
TEST(Catalogues, NoRussianOrChineseTextInTheWindowCode) {
    int files = 0;
    for (const char* folder : {"/../", "/../../app/"}) {
        QDirIterator it(kCatalogues + QLatin1String(folder),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            ++files;
            for (QChar c : text) {
                const bool cyrillic = c.unicode() >= 0x0400 && c.unicode() <= 0x04FF;
                const bool cjk = c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF;
                ASSERT_FALSE(cyrillic || cjk) << f.fileName().toStdString();
            }
        }
    }
    EXPECT_GT(files, 50);
}

} // namespace
} // namespace vantrel::ui::testing
