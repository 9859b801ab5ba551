#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "tests/support/testdb.h"
#include "core/export/export_table.h"
#include "core/export/export_writers.h"
#include "tests/support/qt_printers.h"

using namespace ledgrix;

namespace {

const QString kLong = QString(40000, QLatin1Char('x')) + QStringLiteral("fin");

// Cells that break naive writers: separators, quotes, line breaks, accents,
// markup and RTF control characters, a text longer than a spreadsheet cell.
ExportTable hostileTable() {
    ExportTable t;
    t.title = QStringLiteral("Egresos: año 2022");
    t.titles = {QStringLiteral("Nombre, \"apodo\""), QStringLiteral("Descripción"), QStringLiteral("Valor")};
    t.numeric = {false, false, true};
    t.rows = {
        {QStringLiteral("PEÑA & Cía <S.A.>"), QStringLiteral("línea 1\nlínea 2"),
         QStringLiteral("1.234.567,89")},
        {QStringLiteral("dice \"hola\", adiós"), QStringLiteral("{llave} C:\\ruta\\x"),
         QStringLiteral("-0,01")},
        {QStringLiteral(" espacio "), kLong, QStringLiteral("2.500")},
        {QString(), QStringLiteral("tab\taquí"), QString()},
    };
    return t;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// RFC 4180 reader: quoted fields may hold commas, CRLF and doubled quotes.
std::vector<QStringList> parseCsv(const QString& text) {
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += ch;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += ch;
            }
        } else if (ch == QLatin1Char('"')) {
            EXPECT_TRUE(field.isEmpty()) << "quote inside an unquoted field";
            quoted = true;
        } else if (ch == QLatin1Char(',')) {
            record << field;
            field.clear();
        } else if (ch == QLatin1Char('\r')) {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) << "bare CR";
            ++i;
            record << field;
            field.clear();
            records.push_back(record);
            record.clear();
        } else {
            EXPECT_NE(ch, QLatin1Char('\n')) << "bare LF outside quotes";
            field += ch;
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quote";
    EXPECT_TRUE(field.isEmpty() && record.isEmpty()) << "last record without CRLF";
    return records;
}

class ExportFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir{test::TestInstallation::scratchRoot() + QStringLiteral("/export-XXXXXX")};
    ExportTable table = hostileTable();
};

}  // namespace

TEST(ExportNumbers, DisplayedAmountsParseBackExactly) {
    // Amounts as grids show them, in the installation's (Colombian) format.
    for (const auto& [text, value] : {std::pair{"1.234.567,89", 1234567.89},
                                      {"-0,01", -0.01},
                                      {"2.500", 2500.0},
                                      {"123456", 123456.0},
                                      {"0,10", 0.1}})
        EXPECT_EQ(parseDisplayedNumber(QString::fromLatin1(text)), value) << text;
    // Texts that merely look numeric stay text rather than becoming wrong numbers.
    for (const char* bad :
         {"", "N/A", "12.34", "1.2345,00", "1,234.56", "--1", "1e5", "$1.000", "0x10"})
        EXPECT_FALSE(parseDisplayedNumber(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(displayedDecimals(QStringLiteral("1.234,5678")), 4);
    EXPECT_EQ(displayedDecimals(QStringLiteral("2.500")), 0);
}

TEST(ExportNames, DefaultFileNameAndFormatChoice) {
    EXPECT_EQ(nombreArchivoPorDefecto(QStringLiteral("Egresos"), QStringLiteral("xlsx")), QStringLiteral("Egresos.xlsx"));
    EXPECT_EQ(nombreArchivoPorDefecto(QStringLiteral("Cargos / descuentos: 2022?"), QStringLiteral(".csv")),
              QStringLiteral("Cargos _ descuentos_ 2022_.csv"));
    EXPECT_EQ(nombreArchivoPorDefecto(QStringLiteral("Relación. "), QStringLiteral("txt")), QStringLiteral("Relación.txt"));
    EXPECT_EQ(nombreArchivoPorDefecto(QString(), QStringLiteral("rtf")), QStringLiteral("Exportacion.rtf"));
    EXPECT_EQ(formatFromPath(QStringLiteral("/a/b.XLSX")), ExportFormat::Xlsx);
    EXPECT_EQ(formatFromPath(QStringLiteral("b.htm")), ExportFormat::Html);
    EXPECT_FALSE(formatFromPath(QStringLiteral("b.pdf")));
    for (auto f : {ExportFormat::Text, ExportFormat::Csv, ExportFormat::Html, ExportFormat::Rtf, ExportFormat::Xlsx}) {
        EXPECT_EQ(formatFromFilter(dialogFilterOf(f)), f);
        EXPECT_EQ(formatFromPath(QStringLiteral("x.") + extensionOf(f)), f);
    }
}

TEST(ExportSnapshot, TakesTextsTitlesAndAlignmentFromAnyModel) {
    QStandardItemModel model(3, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("Documento"), QStringLiteral("Tercero"), QStringLiteral("Saldo")});
    for (int r = 0; r < 3; ++r) {
        model.setItem(r, 0, new QStandardItem(QStringLiteral("CE-%1").arg(r)));
        model.setItem(r, 1, new QStandardItem(QStringLiteral("Tercero %1").arg(r)));
        auto* amount = new QStandardItem(QStringLiteral("%1,000.00").arg(r + 1));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model.setItem(r, 2, amount);
    }
    const ExportTable t = tableFromModel(model, {2, 0}, {2, 0});
    EXPECT_EQ(t.titles, (QStringList{QStringLiteral("Saldo"), QStringLiteral("Documento")}));
    EXPECT_EQ(t.numeric, (std::vector<bool>{true, false}));
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.rows[0], (QStringList{QStringLiteral("3,000.00"), QStringLiteral("CE-2")}));
    EXPECT_EQ(t.rows[1], (QStringList{QStringLiteral("1,000.00"), QStringLiteral("CE-0")}));
    EXPECT_EQ(tableFromModel(model).rowCount(), 3);
}

TEST_F(ExportFiles, TextKeepsOneLinePerRow) {
    ASSERT_TRUE(writeText(table, path("t.txt")));
    const QStringList lines = QString::fromUtf8(readAll(path("t.txt"))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6);  // titles, four rows, empty after the last CRLF
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_EQ(lines[1].split(QLatin1Char('\t')),
              (QStringList{QStringLiteral("PEÑA & Cía <S.A.>"), QStringLiteral("línea 1 línea 2"),
                           QStringLiteral("1.234.567,89")}));
    EXPECT_EQ(lines[3].split(QLatin1Char('\t'))[1], kLong);
    EXPECT_EQ(lines[4].split(QLatin1Char('\t')), (QStringList{QString(), QStringLiteral("tab aquí"), QString()}));
}

TEST_F(ExportFiles, CsvRoundTripsThroughAnRfc4180Reader) {
    ASSERT_TRUE(writeCsv(table, path("t.csv")));
    const QByteArray bytes = readAll(path("t.csv"));
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const auto records = parseCsv(QString::fromUtf8(bytes.mid(3)));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0], table.titles);
    for (size_t r = 0; r < table.rows.size(); ++r) EXPECT_EQ(records[r + 1], table.rows[r]) << r;
}

TEST_F(ExportFiles, HtmlIsWellFormedWithEscapedCells) {
    ASSERT_TRUE(writeHtml(table, path("t.html")));
    const QByteArray bytes = readAll(path("t.html"));
    EXPECT_TRUE(bytes.contains("<meta charset=\"utf-8\"/>"));

    QXmlStreamReader xml(bytes);
    std::vector<QStringList> rows;
    QString title, cell;
    bool inCell = false, rightAligned = false;
    std::vector<bool> amountRight;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("tr")) rows.emplace_back();
            if (xml.name() == QLatin1String("title")) title = xml.readElementText();
            if (xml.name() == QLatin1String("td") || xml.name() == QLatin1String("th")) {
                inCell = true;
                cell.clear();
                rightAligned = xml.attributes().value(QLatin1String("class")) == QLatin1String("n");
            }
            if (xml.name() == QLatin1String("br")) cell += QLatin1Char('\n');
        } else if (xml.isCharacters() && inCell) {
            cell += xml.text();
        } else if (xml.isEndElement() && (xml.name() == QLatin1String("td") || xml.name() == QLatin1String("th"))) {
            inCell = false;
            rows.back() << cell;
            if (rows.size() > 1 && rows.back().size() == 3) amountRight.push_back(rightAligned);
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(title, table.title);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], table.titles);
    for (size_t r = 0; r < table.rows.size(); ++r) EXPECT_EQ(rows[r + 1], table.rows[r]) << r;
    EXPECT_EQ(amountRight, (std::vector<bool>{true, true, true, true}));
}

TEST_F(ExportFiles, RtfIsAsciiWithEscapesAndOneRowPerLine) {
    ASSERT_TRUE(writeRtf(table, path("t.rtf")));
    const QByteArray bytes = readAll(path("t.rtf"));
    for (char ch : bytes) ASSERT_LT(static_cast<unsigned char>(ch), 0x80u);
    const QString rtf = QString::fromLatin1(bytes);
    EXPECT_TRUE(rtf.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_EQ(rtf.count(QStringLiteral("\\trowd")), 5);
    EXPECT_EQ(rtf.count(QStringLiteral("\\cell\n")), 15);
    EXPECT_TRUE(rtf.contains(QStringLiteral("PE\\u209?A & C\\u237?a <S.A.>")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("l\\u237?nea 1\\line l\\u237?nea 2")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("\\{llave\\} C:\\\\ruta\\\\x")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("\\qr 1.234.567,89\\cell")));
    EXPECT_TRUE(rtf.contains(kLong));
    // Braces balance once escaped ones are left out: the document closes.
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (rtf[i] == QLatin1Char('{')) ++depth;
        if (rtf[i] == QLatin1Char('}')) {
            ASSERT_GT(depth--, 0);
        }
    }
    EXPECT_EQ(depth, 0);
}

TEST_F(ExportFiles, RtfEscapesCharactersOutsideTheBasicPlane) {
    table.rows = {{QStringLiteral("€ \U0001F600"), QString(), QString()}};
    ASSERT_TRUE(writeRtf(table, path("e.rtf")));
    const QString rtf = QString::fromLatin1(readAll(path("e.rtf")));
    // Signed 16-bit units: the euro sign is 8364, the surrogates negative.
    EXPECT_TRUE(rtf.contains(QStringLiteral("\\u8364? \\u-10179?\\u-8704?")));
}

TEST_F(ExportFiles, XlsxHoldsStringsAndRealNumbers) {
    ASSERT_TRUE(writeXlsx(table, path("t.xlsx")));
    auto unzip = [&](const char* member) {
        QProcess p;
        p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path("t.xlsx"), QString::fromLatin1(member)});
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << member;
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString strings = unzip("xl/sharedStrings.xml");
    const QString sheet = unzip("xl/worksheets/sheet1.xml");
    const QString workbook = unzip("xl/workbook.xml");
    const QString styles = unzip("xl/styles.xml");

    // Shared strings in order of first use, read back through an XML reader.
    QStringList shared;
    QXmlStreamReader xml(strings);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("t")) shared << xml.readElementText();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // Longer than a cell takes: cut to the limit instead of failing the file.
    for (const QString& text : {table.titles[0], table.rows[0][0], table.rows[0][1], table.rows[1][1],
                                table.rows[2][0], kLong.left(32767)})
        EXPECT_TRUE(shared.contains(text)) << text.left(40).toStdString();

    // Amounts are numbers in the cells, not shared strings.
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"C2\" s=\"\\d+\"><v>1234567.89</v></c>")))) << sheet.left(2000).toStdString();
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"C3\" s=\"\\d+\"><v>-0.01</v></c>"))));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"C4\" s=\"\\d+\"><v>2500</v></c>"))));
    EXPECT_FALSE(sheet.contains(QStringLiteral("r=\"C5\"")));  // empty amount: no cell
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"A1\" s=\"\\d+\" t=\"s\">"))));
    EXPECT_TRUE(styles.contains(QStringLiteral("#,##0.00")));
    EXPECT_TRUE(workbook.contains(QStringLiteral("name=\"Egresos año 2022\"")));
}

TEST_F(ExportFiles, UnwritablePathReportsInsteadOfPretending) {
    const QString bad = path("no/such/dir/t");
    for (auto f : {ExportFormat::Text, ExportFormat::Csv, ExportFormat::Html, ExportFormat::Rtf, ExportFormat::Xlsx}) {
        QString error;
        EXPECT_FALSE(writeExport(table, f, bad + QLatin1Char('.') + extensionOf(f), &error)) << extensionOf(f).toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}
