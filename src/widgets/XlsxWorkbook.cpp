#include "widgets/XlsxWorkbook.h"

#include <QLocale>
#include <QXmlStreamWriter>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <stdexcept>

namespace {

const QString MainNamespace =
    QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
// Custom number formats take the ids from 164 on; lower ones are Excel's built-in formats.
constexpr int FirstCustomFormat = 164;

const QByteArray ContentTypes = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/><Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/><Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>
)";

const QByteArray PackageRelationships = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>
)";

const QByteArray Workbook = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>
)";

const QByteArray WorkbookRelationships = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>
)";

QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

QString cellName(int row, int column)
{
    return columnName(column) + QString::number(row + 1);
}

void startDocument(QXmlStreamWriter& xml, const QString& root)
{
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(root);
    xml.writeDefaultNamespace(MainNamespace);
}

// A cell format with the one font, fill and border and the given number format.
void writeStyle(QXmlStreamWriter& xml, int numberFormat)
{
    xml.writeEmptyElement(QStringLiteral("xf"));
    xml.writeAttribute(QStringLiteral("numFmtId"), QString::number(numberFormat));
    xml.writeAttribute(QStringLiteral("fontId"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("fillId"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("borderId"), QStringLiteral("0"));
}

} // namespace

XlsxWorkbook::XlsxWorkbook(const QString& fileName) : fileName_(fileName) {}

void XlsxWorkbook::writeText(int row, int column, const QString& text)
{
    cells_[{row, column}] = {false, QString::number(sharedString(text)), 0};
}

void XlsxWorkbook::writeNumber(int row, int column, double number, const QString& numberFormat)
{
    const QString value = QString::number(number, 'g', QLocale::FloatingPointShortest);
    cells_[{row, column}] = {true, value, numberFormat.isEmpty() ? 0 : numberStyle(numberFormat)};
}

void XlsxWorkbook::setColumnWidth(int column, double characters)
{
    widths_[column] = characters;
}

void XlsxWorkbook::close()
{
    QuaZip zip(fileName_);
    if (!zip.open(QuaZip::mdCreate))
        fail(QStringLiteral("无法创建文件"));
    writePart(zip, QStringLiteral("[Content_Types].xml"), ContentTypes);
    writePart(zip, QStringLiteral("_rels/.rels"), PackageRelationships);
    writePart(zip, QStringLiteral("xl/workbook.xml"), Workbook);
    writePart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), WorkbookRelationships);
    writePart(zip, QStringLiteral("xl/styles.xml"), stylesXml());
    writePart(zip, QStringLiteral("xl/sharedStrings.xml"), sharedStringsXml());
    writePart(zip, QStringLiteral("xl/worksheets/sheet1.xml"), worksheetXml());
    zip.close();
    if (zip.getZipError() != ZIP_OK)
        fail(QStringLiteral("错误代码 %1").arg(zip.getZipError()));
}

int XlsxWorkbook::sharedString(const QString& text)
{
    const auto found = stringIndexes_.constFind(text);
    if (found != stringIndexes_.constEnd())
        return *found;
    strings_.append(text);
    return *stringIndexes_.insert(text, static_cast<int>(strings_.size() - 1));
}

int XlsxWorkbook::numberStyle(const QString& format)
{
    qsizetype index = formats_.indexOf(format);
    if (index < 0) {
        formats_.append(format);
        index = formats_.size() - 1;
    }
    return static_cast<int>(index) + 1;
}

QByteArray XlsxWorkbook::worksheetXml() const
{
    QByteArray content;
    QXmlStreamWriter xml(&content);
    startDocument(xml, QStringLiteral("worksheet"));
    if (!widths_.empty()) {
        xml.writeStartElement(QStringLiteral("cols"));
        for (const auto& [column, width] : widths_) {
            xml.writeEmptyElement(QStringLiteral("col"));
            xml.writeAttribute(QStringLiteral("min"), QString::number(column + 1));
            xml.writeAttribute(QStringLiteral("max"), QString::number(column + 1));
            xml.writeAttribute(QStringLiteral("width"), QString::number(width, 'f', 2));
            xml.writeAttribute(QStringLiteral("customWidth"), QStringLiteral("1"));
        }
        xml.writeEndElement();
    }
    xml.writeStartElement(QStringLiteral("sheetData"));
    int openRow = -1;
    for (const auto& [position, cell] : cells_) {
        const auto [row, column] = position;
        if (row != openRow) {
            if (openRow >= 0)
                xml.writeEndElement();
            xml.writeStartElement(QStringLiteral("row"));
            xml.writeAttribute(QStringLiteral("r"), QString::number(row + 1));
            openRow = row;
        }
        xml.writeStartElement(QStringLiteral("c"));
        xml.writeAttribute(QStringLiteral("r"), cellName(row, column));
        if (cell.style > 0)
            xml.writeAttribute(QStringLiteral("s"), QString::number(cell.style));
        if (!cell.number)
            xml.writeAttribute(QStringLiteral("t"), QStringLiteral("s"));
        xml.writeTextElement(QStringLiteral("v"), cell.value);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return content;
}

QByteArray XlsxWorkbook::stylesXml() const
{
    QByteArray content;
    QXmlStreamWriter xml(&content);
    startDocument(xml, QStringLiteral("styleSheet"));
    if (!formats_.isEmpty()) {
        xml.writeStartElement(QStringLiteral("numFmts"));
        xml.writeAttribute(QStringLiteral("count"), QString::number(formats_.size()));
        for (int i = 0; i < formats_.size(); ++i) {
            xml.writeEmptyElement(QStringLiteral("numFmt"));
            xml.writeAttribute(QStringLiteral("numFmtId"), QString::number(FirstCustomFormat + i));
            xml.writeAttribute(QStringLiteral("formatCode"), formats_[i]);
        }
        xml.writeEndElement();
    }
    xml.writeStartElement(QStringLiteral("fonts"));
    xml.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    xml.writeStartElement(QStringLiteral("font"));
    xml.writeEmptyElement(QStringLiteral("sz"));
    xml.writeAttribute(QStringLiteral("val"), QStringLiteral("11"));
    xml.writeEmptyElement(QStringLiteral("name"));
    xml.writeAttribute(QStringLiteral("val"), QStringLiteral("Calibri"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("fills"));
    xml.writeAttribute(QStringLiteral("count"), QStringLiteral("2"));
    for (const QString& pattern : {QStringLiteral("none"), QStringLiteral("gray125")}) {
        xml.writeStartElement(QStringLiteral("fill"));
        xml.writeEmptyElement(QStringLiteral("patternFill"));
        xml.writeAttribute(QStringLiteral("patternType"), pattern);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("borders"));
    xml.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    xml.writeEmptyElement(QStringLiteral("border"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("cellStyleXfs"));
    xml.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    writeStyle(xml, 0);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("cellXfs"));
    xml.writeAttribute(QStringLiteral("count"), QString::number(formats_.size() + 1));
    for (int style = 0; style <= formats_.size(); ++style) {
        writeStyle(xml, style == 0 ? 0 : FirstCustomFormat + style - 1);
        xml.writeAttribute(QStringLiteral("xfId"), QStringLiteral("0"));
        if (style > 0)
            xml.writeAttribute(QStringLiteral("applyNumberFormat"), QStringLiteral("1"));
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("cellStyles"));
    xml.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    xml.writeEmptyElement(QStringLiteral("cellStyle"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Normal"));
    xml.writeAttribute(QStringLiteral("xfId"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("builtinId"), QStringLiteral("0"));
    xml.writeEndElement();
    xml.writeEndDocument();
    return content;
}

QByteArray XlsxWorkbook::sharedStringsXml() const
{
    QByteArray content;
    QXmlStreamWriter xml(&content);
    startDocument(xml, QStringLiteral("sst"));
    xml.writeAttribute(QStringLiteral("uniqueCount"), QString::number(strings_.size()));
    for (const QString& text : strings_) {
        xml.writeStartElement(QStringLiteral("si"));
        xml.writeStartElement(QStringLiteral("t"));
        if (text != text.trimmed())
            xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml.writeCharacters(text);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return content;
}

void XlsxWorkbook::writePart(QuaZip& zip, const QString& name, const QByteArray& content) const
{
    QuaZipFile part(&zip);
    if (!part.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) ||
        part.write(content) != content.size())
        fail(QStringLiteral("错误代码 %1").arg(part.getZipError()));
    part.close();
    if (part.getZipError() != ZIP_OK)
        fail(QStringLiteral("错误代码 %1").arg(part.getZipError()));
}

void XlsxWorkbook::fail(const QString& reason) const
{
    throw std::runtime_error(
        QStringLiteral("无法写入文件 %1（%2）").arg(fileName_, reason).toStdString());
}
