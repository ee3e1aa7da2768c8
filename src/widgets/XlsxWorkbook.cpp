#include "widgets/XlsxWorkbook.h"

#include <xlsxwriter.h>

#include <stdexcept>

namespace {

// The longest text a spreadsheet cell holds.
constexpr int MaxCellText = 32767;

[[noreturn]] void fail(const QString& fileName, const QString& reason)
{
    throw std::runtime_error(
        QStringLiteral("无法写入文件 %1(%2)").arg(fileName, reason).toStdString());
}

} // namespace

XlsxWorkbook::XlsxWorkbook(const QString& fileName)
    : fileName_(fileName), book_(workbook_new(fileName.toUtf8().constData())),
      sheet_(book_ ? workbook_add_worksheet(book_, nullptr) : nullptr)
{
    if (!sheet_) {
        if (book_)
            lxw_workbook_free(book_);
        fail(fileName_, QStringLiteral("内存不足"));
    }
}

XlsxWorkbook::~XlsxWorkbook()
{
    // Only a workbook given up on an error is left; it is dropped without writing.
    if (book_)
        lxw_workbook_free(book_);
}

void XlsxWorkbook::writeText(int row, int column, const QString& text)
{
    check(worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(column),
                                 text.left(MaxCellText).toUtf8().constData(), nullptr));
}

void XlsxWorkbook::writeNumber(int row, int column, double number, const QString& numberFormat)
{
    check(worksheet_write_number(sheet_, lxw_row_t(row), lxw_col_t(column), number,
                                 this->numberFormat(numberFormat)));
}

void XlsxWorkbook::setColumnWidth(int column, double characters)
{
    check(worksheet_set_column(sheet_, lxw_col_t(column), lxw_col_t(column), characters, nullptr));
}

void XlsxWorkbook::close()
{
    lxw_workbook* book = book_;
    book_ = nullptr;
    check(workbook_close(book));
}

lxw_format* XlsxWorkbook::numberFormat(const QString& format)
{
    if (format.isEmpty())
        return nullptr;
    lxw_format*& cached = formats_[format];
    if (!cached) {
        cached = workbook_add_format(book_);
        format_set_num_format(cached, format.toUtf8().constData());
    }
    return cached;
}

void XlsxWorkbook::check(int error) const
{
    if (error != LXW_NO_ERROR)
        fail(fileName_, QString::fromUtf8(lxw_strerror(lxw_error(error))));
}
