#include "XlsxSheet.h"

#include <QList>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>

namespace {

QByteArray entry(QuaZip& zip, const QString& name)
{
    if (!zip.setCurrentFile(name))
        return {};
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList sharedStrings(const QByteArray& xml)
{
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("si"))
            strings.append(QString());
        else if (reader.name() == QLatin1String("t") && !strings.isEmpty())
            strings.last() += reader.readElementText();
    }
    return strings;
}

// The number format of each cell style, by the style's index.
QStringList styleFormats(const QByteArray& xml)
{
    QHash<QString, QString> formatCodes;
    QStringList formats;
    bool inCellStyles = false;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("cellXfs"))
            inCellStyles = false;
        if (!reader.isStartElement())
            continue;
        const auto attributes = reader.attributes();
        if (reader.name() == QLatin1String("numFmt"))
            formatCodes.insert(attributes.value(QLatin1String("numFmtId")).toString(),
                               attributes.value(QLatin1String("formatCode")).toString());
        else if (reader.name() == QLatin1String("cellXfs"))
            inCellStyles = true;
        else if (inCellStyles && reader.name() == QLatin1String("xf"))
            formats.append(
                formatCodes.value(attributes.value(QLatin1String("numFmtId")).toString()));
    }
    return formats;
}

} // namespace

void PrintTo(const XlsxCell& cell, std::ostream* os)
{
    *os << (cell.number ? "number " : "text ") << '"' << cell.text.toStdString() << '"';
    if (!cell.format.isEmpty())
        *os << " in " << cell.format.toStdString();
}

QHash<QString, XlsxCell> ReadXlsxSheet(const QString& fileName)
{
    QuaZip zip(fileName);
    if (!zip.open(QuaZip::mdUnzip))
        return {};
    const QStringList strings = sharedStrings(entry(zip, QStringLiteral("xl/sharedStrings.xml")));
    const QStringList formats = styleFormats(entry(zip, QStringLiteral("xl/styles.xml")));

    QHash<QString, XlsxCell> cells;
    QXmlStreamReader reader(entry(zip, QStringLiteral("xl/worksheets/sheet1.xml")));
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("c"))
            continue;
        const auto attributes = reader.attributes();
        const QString ref = attributes.value(QLatin1String("r")).toString();
        const bool shared = attributes.value(QLatin1String("t")) == QLatin1String("s");
        const int style = attributes.value(QLatin1String("s")).toInt();
        QString value;
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("v"))
                value = reader.readElementText();
            else
                reader.skipCurrentElement();
        }
        cells.insert(ref, shared ? XlsxCell{strings.value(value.toInt()), false, {}}
                                 : XlsxCell{value, true, formats.value(style)});
    }
    return cells;
}
