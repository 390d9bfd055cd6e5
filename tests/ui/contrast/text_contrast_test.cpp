// SPDX-License-Identifier: MIT
// Every text of every window against the skin pixels behind it, in every
// language and in every state that changes what lies behind a text.
// VANTREL_CONTRAST_OUT=FILE writes the measured table into FILE (the part
// after its marker line; what stands before it is kept).
#include "../in_language.h"
#include "../language/window_gallery.h"
#include "../lighting/lighting_fakes.h"
#include "core/model/key_positions.h"
#include "key_label_contrast.h"
#include "support/temp_dir.h"
#include "text_contrast.h"
#include "widget_texts.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace vantrel::ui::testing {
namespace {

QString languageName(UiLanguage l) {
    return QString::fromLatin1(l.catalogue().data(), static_cast<qsizetype>(l.catalogue().size()));
}

// A face with one label of `colour` on `ground`, and its bare twin.
struct Sample {
    QImage picture;
    QImage bare;
    DrawnLabel label;
};
Sample sample(const QColor& colour, const QColor& ground, const QString& text) {
    vantrel::testing::TempDir temp;
    SkinStore store(temp.path());
    SkinPainter painter(store);
    std::vector<DrawnLabel> log;
    painter.setLabelLog(&log);
    Sample s{QImage(120, 30, QImage::Format_RGB32), QImage(120, 30, QImage::Format_RGB32), {}};
    for (QImage* face : {&s.bare, &s.picture}) {
        face->fill(ground);
        QPainter p(face);
        painter.setLabelsHidden(face == &s.bare);
        painter.label(p, text, 4, 4, 18, colour);
    }
    s.label = log.back();
    return s;
}

TEST(TextContrast, MeasuresTheRatioAgainstTheWorstPixelBehindTheText) {
    lightingTestApp();
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0xE0, 0x24, 0x3A), Qt::white), 4.69, 0.01);

    Sample plain = sample(Qt::white, QColor(0x1C, 0x1F, 0x26), QStringLiteral("Apply"));
    LabelContrast c = measureLabel(plain.label, plain.picture, plain.bare);
    EXPECT_TRUE(c.shown);
    EXPECT_EQ(c.worstBackground, QColor(0x1C, 0x1F, 0x26));
    EXPECT_NEAR(c.worst, c.fifthPercentile, 1e-9);

    // One light pixel inside the box is the worst; most of the box is dark.
    Sample edged = sample(Qt::white, QColor(0x1C, 0x1F, 0x26), QStringLiteral("Apply"));
    const QPoint corner = edged.label.ink.topLeft();
    edged.bare.setPixelColor(corner, QColor(0xFF, 0x44, 0x58));
    edged.picture.setPixelColor(corner, QColor(0xFF, 0x44, 0x58));
    c = measureLabel(edged.label, edged.picture, edged.bare);
    EXPECT_EQ(c.worstBackground, QColor(0xFF, 0x44, 0x58));
    EXPECT_LT(c.worst, kReadableContrast);
    EXPECT_GT(c.fifthPercentile, 10.0);

    // Covered by what was drawn after it: not seen, not read.
    Sample covered = sample(Qt::white, Qt::black, QStringLiteral("Apply"));
    covered.picture = covered.bare;
    EXPECT_FALSE(measureLabel(covered.label, covered.picture, covered.bare).shown);
}

TEST(TextContrast, MeasuresOnTheFinerPixelsOfA2xFace) {
    lightingTestApp();
    Sample s = sample(Qt::white, Qt::black, QStringLiteral("Save"));
    QImage fine(240, 60, QImage::Format_RGB32);
    fine.fill(Qt::black);
    fine.setDevicePixelRatio(2.0);
    QImage fineBare = fine;
    // A light pixel at the far corner of the logical box only exists at 2x.
    const QPoint far = s.label.ink.bottomRight() * 2 + QPoint(1, 1);
    fineBare.setPixelColor(far, Qt::white);
    fine.setPixelColor(far - QPoint(1, 1), Qt::red);
    const LabelContrast c = measureLabel(s.label, fine, fineBare);
    EXPECT_TRUE(c.shown);
    EXPECT_NEAR(c.worst, 1.0, 1e-9);
}

// One row of the table: a text of a window, in its worst state.
struct Row {
    QString shot;
    QRect ink;
    LabelContrast contrast;
};
using RowKey = std::tuple<QString, QString, QRgb>; // window, text, colour
using Rows = std::map<RowKey, Row>;

void keepWorst(Rows& rows, const QString& shot, const QString& text, const QRect& ink,
               const LabelContrast& c) {
    const RowKey key{shot.section(QLatin1Char('-'), 0, 0), text, c.text.rgb()};
    auto it = rows.find(key);
    if (it == rows.end() || c.worst < it->second.contrast.worst) {
        rows[key] = {shot, ink, c};
    }
}

QString hex(const QColor& c) {
    return c.name(QColor::HexRgb).toUpper();
}

// Text of an unavailable control need not stand out (as in WCAG 2's
// exception for inactive components): it is measured and listed only.
bool heldToTheRatio(const RowKey& key) {
    return !std::get<1>(key).contains(QLatin1String(", unavailable)"));
}

QString tableOf(const Rows& rows) {
    QString out;
    QTextStream t(&out);
    t << "| window | state | text | at | text colour | worst background | ratio | 5th pct |\n"
      << "|---|---|---|---|---|---|---|---|\n";
    for (const auto& [key, row] : rows) {
        const LabelContrast& c = row.contrast;
        t << "| " << std::get<0>(key) << " | " << row.shot << " | "
          << QString(std::get<1>(key)).replace(QLatin1Char('|'), QStringLiteral("\\|")) << " | "
          << row.ink.x() << "," << row.ink.y() << " | " << hex(c.text) << " | "
          << hex(c.worstBackground) << " | " << QString::number(c.worst, 'f', 2)
          << (c.worst >= kReadableContrast ? ""
              : heldToTheRatio(key)        ? " **low**"
                                           : " (not held)")
          << " | " << QString::number(c.fifthPercentile, 'f', 2) << " |\n";
    }
    return out;
}

// Keeps what stands before the marker and writes the tables after it.
void writeReport(const QString& path, const QString& tables) {
    const QString marker = QStringLiteral("<!-- measured by TextContrast; do not edit below -->");
    QString head;
    if (QFile in(path); in.open(QIODevice::ReadOnly)) {
        head = QString::fromUtf8(in.readAll());
        if (const qsizetype at = head.indexOf(marker); at >= 0) {
            head.truncate(at);
        }
    }
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    out.write((head + marker + QStringLiteral("\n\n") + tables).toUtf8());
}

// The texts the skins carry themselves, at the screen's scale: the
// program's name, the numbers under two sliders and the keys' labels on
// the idle and the lit keyboard (the lowest key of each), each a row.
QString printedTexts(QStringList& low) {
    vantrel::testing::TempDir temp;
    SkinStore store(temp.path());
    const qreal scale = qGuiApp->devicePixelRatio();
    const auto picture = [&](const char* name) {
        return store.image(SkinFolder::mainWindow(), QString::fromLatin1(name), scale)
            .convertToFormat(QImage::Format_RGB32);
    };
    QString out = QStringLiteral("| picture | text | text colour | worst background | ratio | "
                                 "5th pct |\n|---|---|---|---|---|---|\n");
    const auto row = [&](const QString& where, const QString& text, const LabelContrast& c) {
        EXPECT_TRUE(c.shown) << where.toStdString() << " " << text.toStdString();
        if (c.worst < kReadableContrast) {
            low << QStringLiteral("%1 \"%2\": %3 on %4: %5")
                       .arg(where, text, hex(c.text), hex(c.worstBackground))
                       .arg(c.worst, 0, 'f', 2);
        }
        out += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                   .arg(where, text, hex(c.text), hex(c.worstBackground))
                   .arg(c.worst, 0, 'f', 2)
                   .arg(c.fifthPercentile, 0, 'f', 2);
    };
    const QImage main = picture("main.png");
    const QRect title(QPoint(16, 0) * scale, QSize(300, 30) * scale);
    row(QStringLiteral("main.png"), QStringLiteral("VANTREL"),
        readPrinted(main, glyphsIn(main, title)));
    for (const char* name : {"responsetime_txt.png", "reportRate_txt.png"}) {
        const QImage numbers = picture(name);
        row(QString::fromLatin1(name), QStringLiteral("numbers"),
            readPrinted(numbers, glyphsIn(numbers, numbers.rect())));
    }
    const std::vector<KeyLabelContrast> keys =
        keyLabelContrasts(picture("kb_BK.png"), picture("kb_hl.png"));
    EXPECT_EQ(keys.size(), kKeyPositionCount);
    for (const bool lighted : {false, true}) {
        const auto of = [lighted](const KeyLabelContrast& k) { return lighted ? k.lit : k.idle; };
        const QString where = lighted ? QStringLiteral("kb_hl.png") : QStringLiteral("kb_BK.png");
        const KeyLabelContrast* lowest = nullptr;
        for (const KeyLabelContrast& k : keys) {
            if (of(k).worst < kReadableContrast) {
                row(where, k.label, of(k));
            } else if (!lowest || of(k).worst < of(*lowest).worst) {
                lowest = &k;
            }
        }
        if (lowest) {
            row(where, QStringLiteral("lowest: ") + lowest->label, of(*lowest));
        }
    }
    return out;
}

// Every text of every face of a language, each in its worst state.
Rows measureLanguage(UiLanguage language) {
    const InLanguage in(language);
    Rows rows;
    int faces = 0;
    drawEveryFace(language, [&](const Face& face) {
        ++faces;
        for (const DrawnLabel& label : face.labels) {
            const LabelContrast c = measureLabel(label, face.picture, face.bare);
            if (c.shown) {
                keepWorst(rows, face.name, label.text, label.ink, c);
            }
        }
        // The pointer changes nothing of what the widgets draw.
        if (face.window && !face.name.contains(QLatin1String("-over-"))) {
            for (const WidgetText& w : widgetTexts(*face.window)) {
                keepWorst(rows, face.name, w.text + QStringLiteral(" (") + w.what + u')', w.ink,
                          w.contrast);
            }
        }
    });
    // The fifteen pictures of the gallery, two hovered list rows, three
    // hovered buttons of the key dialog and five of the macro manager, idle
    // and recording.
    EXPECT_EQ(faces, 15 + 2 + 3 + 2 * 5);
    return rows;
}

TEST(TextContrast, EveryTextReadsOnTheSkinBehindItInEveryLanguageAndState) {
#ifdef _WIN32
    GTEST_SKIP() << "pixel measures of the Linux font stack";
#endif
    QString tables;
    QStringList low;
    QString summary = QStringLiteral("| language | lowest ratio | where |\n|---|---|---|\n");
    for (UiLanguage language : interfaceLanguages()) {
        const Rows rows = measureLanguage(language);
        const Row* lowest = nullptr;
        for (const auto& [key, row] : rows) {
            if (!heldToTheRatio(key)) {
                continue;
            }
            if (row.contrast.worst < kReadableContrast) {
                low << QStringLiteral("%1 %2 \"%3\" %4 on %5: %6")
                           .arg(languageName(language), row.shot, std::get<1>(key),
                                hex(row.contrast.text), hex(row.contrast.worstBackground))
                           .arg(row.contrast.worst, 0, 'f', 2);
            }
            if (!lowest || row.contrast.worst < lowest->contrast.worst) {
                lowest = &row;
            }
        }
        ASSERT_NE(lowest, nullptr);
        summary += QStringLiteral("| %1 | %2 | %3 |\n")
                       .arg(languageName(language))
                       .arg(lowest->contrast.worst, 0, 'f', 2)
                       .arg(lowest->shot);
        if (language == UiLanguage::englishInterface() ||
            language == UiLanguage::russianInterface() ||
            language == UiLanguage::chineseInterface()) {
            tables += QStringLiteral("## %1\n\n").arg(languageName(language)) + tableOf(rows) +
                      QLatin1Char('\n');
        }
    }
    const QString printed = printedTexts(low);
    EXPECT_TRUE(low.isEmpty()) << "texts under " << kReadableContrast << ":1:\n"
                               << low.join(QLatin1Char('\n')).toStdString();
    if (const QByteArray out = qgetenv("VANTREL_CONTRAST_OUT"); !out.isEmpty()) {
        writeReport(QString::fromLocal8Bit(out),
                    QStringLiteral("## Every language\n\n") + summary +
                        QStringLiteral("\n## Printed on the skins (every language)\n\n") + printed +
                        QLatin1Char('\n') + tables);
    }
}

} // namespace
} // namespace vantrel::ui::testing
