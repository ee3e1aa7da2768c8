#include "XlsxSheet.h"

#include <QList>
#include <QXmlStreamReader>

#include <unzip.h>

#include <memory>

namespace {

struct ZipCloser {
    void operator()(void* zip) const { unzClose(zip); }
};
using Zip = std::unique_ptr<void, ZipCloser>;

QByteArray entry(const Zip& zip, const char* name)
{
    if (unzLocateFile(zip.get(), name, 1) != UNZ_OK || unzOpenCurrentFile(zip.get()) != UNZ_OK)
        return {};
    QByteArray content;
    char buffer[8192];
    int read = 0;
    while ((read = unzReadCurrentFile(zip.get(), buffer, sizeof buffer)) > 0)
        content.append(buffer, read);
    unzCloseCurrentFile(zip.get());
    return content;
}

// Number formats every workbook knows without declaring them.
QString builtInFormat(const QString& id)
{
    static const QHash<QString, QString> formats = {
        {"1", "0"}, {"2", "0.00"}, {"3", "#,##0"}, {"4", "#,##0.00"}};
    return formats.value(id);
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
        else if (inCellStyles && reader.name() == QLatin1String("xf")) {
            const QString id = attributes.value(QLatin1String("numFmtId")).toString();
            formats.append(formatCodes.value(id, builtInFormat(id)));
        }
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
    const Zip zip(unzOpen64(fileName.toUtf8().constData()));
    if (!zip)
        return {};
    const QStringList strings = sharedStrings(entry(zip, "xl/sharedStrings.xml"));
    const QStringList formats = styleFormats(entry(zip, "xl/styles.xml"));

    QHash<QString, XlsxCell> cells;
    QXmlStreamReader reader(entry(zip, "xl/worksheets/sheet1.xml"));
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
