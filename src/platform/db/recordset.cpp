#include "platform/db/recordset.h"

#include "platform/db/criteria.h"
#include "platform/db/dberror.h"
#include "platform/db/recordtable.h"

namespace platform::db {
namespace detail {

// One cursor over a shared table. Other cursors may add or remove rows; the
// version number tells when this one must find its row again.
struct Cursor {
    enum class Where { Bof, Row, Deleted, Eof };

    std::shared_ptr<Table> table;
    Where where = Where::Bof;
    std::uint32_t rowId = 0;
    std::size_t pos = 0; // index of the row, or of the row after a deleted one
    std::uint64_t version = 0;

    Table& rows()
    {
        if (!table)
            throw DbError::closed();
        sync();
        return *table;
    }

    std::size_t size() { return rows().order.size(); }

    void sync()
    {
        if (table->version == version)
            return;
        version = table->version;
        if (where != Where::Row && where != Where::Deleted)
            return;
        bool found = false;
        pos = table->position(rowId, &found);
        if (!found)
            where = Where::Deleted;
    }

    void goIndex(std::ptrdiff_t index)
    {
        const auto n = std::ptrdiff_t(size());
        if (index < 0) {
            where = Where::Bof;
        } else if (index >= n) {
            where = Where::Eof;
        } else {
            where = Where::Row;
            pos = std::size_t(index);
            rowId = table->order[pos];
        }
    }

    std::uint32_t currentRow()
    {
        rows();
        if (where != Where::Row)
            throw DbError::noCurrentRecord();
        return rowId;
    }

    void requireRows()
    {
        if (size() == 0 && where != Where::Deleted)
            throw DbError::noCurrentRecord();
    }

    Column& column(int index)
    {
        Table& t = rows();
        if (index < 0 || std::size_t(index) >= t.columns.size())
            throw DbError::itemNotFound(QString::number(index));
        return t.columns[std::size_t(index)];
    }
};

} // namespace detail

using detail::Cursor;
using Where = detail::Cursor::Where;

// --- Field

Field::Field(std::shared_ptr<detail::Cursor> cursor, int column) : cursor_(std::move(cursor)), column_(column)
{
}

QString Field::name() const
{
    return cursor_->column(column_).info().name;
}

DataType Field::type() const
{
    return cursor_->column(column_).info().type;
}

int Field::definedSize() const
{
    return cursor_->column(column_).info().definedSize;
}

int Field::precision() const
{
    return cursor_->column(column_).info().precision;
}

int Field::numericScale() const
{
    return cursor_->column(column_).info().scale;
}

QVariant Field::value() const
{
    const auto row = cursor_->currentRow();
    return cursor_->column(column_).get(row);
}

bool Field::isNull() const
{
    const auto row = cursor_->currentRow();
    return cursor_->column(column_).isNull(row);
}

void Field::setValue(const QVariant& value)
{
    const auto row = cursor_->currentRow();
    detail::Column& column = cursor_->column(column_);
    const auto converted = convertValue(value, column.info().type);
    if (!converted)
        throw DbError::wrongType(
            QStringLiteral("\"%1\" para el campo %2").arg(value.toString(), column.info().name));
    column.set(row, *converted);
}

// --- RecordSet

RecordSet::RecordSet() : RecordSet(std::make_shared<detail::Table>()) {}

RecordSet::RecordSet(std::shared_ptr<detail::Table> table) : d_(std::make_shared<Cursor>())
{
    d_->table = std::move(table);
    d_->version = d_->table->version;
    d_->goIndex(0);
}

RecordSet makeRecordSet(std::shared_ptr<detail::Table> table)
{
    return RecordSet(std::move(table));
}

detail::Cursor& RecordSet::cursor() const
{
    return *d_;
}

int RecordSet::fieldCount() const
{
    return int(cursor().rows().columns.size());
}

Field RecordSet::field(int index) const
{
    cursor().column(index);
    return Field(d_, index);
}

Field RecordSet::field(const QString& name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw DbError::itemNotFound(name);
    return Field(d_, index);
}

int RecordSet::fieldIndex(const QString& name) const
{
    return cursor().rows().indexOf(name);
}

QVariant RecordSet::value(int index) const
{
    return field(index).value();
}

QVariant RecordSet::value(const QString& name) const
{
    return field(name).value();
}

void RecordSet::setValue(int index, const QVariant& value)
{
    field(index).setValue(value);
}

void RecordSet::setValue(const QString& name, const QVariant& value)
{
    field(name).setValue(value);
}

int RecordSet::recordCount() const
{
    return int(cursor().size());
}

bool RecordSet::bof() const
{
    Cursor& c = cursor();
    return c.where == Where::Bof || (c.where == Where::Eof && c.size() == 0);
}

bool RecordSet::eof() const
{
    Cursor& c = cursor();
    return c.where == Where::Eof || (c.where == Where::Bof && c.size() == 0);
}

void RecordSet::moveFirst()
{
    Cursor& c = cursor();
    if (c.size() == 0)
        throw DbError::noCurrentRecord();
    c.goIndex(0);
}

void RecordSet::moveLast()
{
    Cursor& c = cursor();
    if (c.size() == 0)
        throw DbError::noCurrentRecord();
    c.goIndex(std::ptrdiff_t(c.size()) - 1);
}

void RecordSet::moveNext()
{
    Cursor& c = cursor();
    c.requireRows();
    switch (c.where) {
    case Where::Eof: throw DbError::noCurrentRecord();
    case Where::Bof: c.goIndex(0); break;
    case Where::Row: c.goIndex(std::ptrdiff_t(c.pos) + 1); break;
    case Where::Deleted: c.goIndex(std::ptrdiff_t(c.pos)); break;
    }
}

void RecordSet::movePrevious()
{
    Cursor& c = cursor();
    c.requireRows();
    switch (c.where) {
    case Where::Bof: throw DbError::noCurrentRecord();
    case Where::Eof: c.goIndex(std::ptrdiff_t(c.size()) - 1); break;
    case Where::Row:
    case Where::Deleted: c.goIndex(std::ptrdiff_t(c.pos) - 1); break;
    }
}

int RecordSet::absolutePosition() const
{
    Cursor& c = cursor();
    c.rows();
    switch (c.where) {
    case Where::Bof: return PosBof;
    case Where::Eof: return PosEof;
    case Where::Deleted: return PosUnknown;
    case Where::Row: break;
    }
    return int(c.pos) + 1;
}

void RecordSet::setAbsolutePosition(int position)
{
    Cursor& c = cursor();
    if (position < 1 || std::size_t(position) > c.size())
        throw DbError::badArgument(QStringLiteral("posición %1").arg(position));
    c.goIndex(position - 1);
}

Bookmark RecordSet::bookmark() const
{
    return Bookmark{qint64(cursor().currentRow())};
}

void RecordSet::setBookmark(const Bookmark& bookmark)
{
    Cursor& c = cursor();
    detail::Table& t = c.rows();
    bool found = false;
    const std::size_t index = bookmark.isValid() && bookmark.row <= qint64(UINT32_MAX)
                                  ? t.position(std::uint32_t(bookmark.row), &found)
                                  : 0;
    if (!found)
        throw DbError::badArgument(QStringLiteral("marcador %1").arg(bookmark.row));
    c.goIndex(std::ptrdiff_t(index));
}

bool RecordSet::find(const QString& criteria, int skipRecords, SearchDirection direction)
{
    Cursor& c = cursor();
    c.currentRow();
    detail::Table& t = c.rows();
    QString error;
    const auto criterion = detail::parseCriterion(criteria, t, &error);
    if (!criterion)
        throw DbError::badArgument(error);
    const detail::Column& column = t.columns[std::size_t(criterion->column)];
    const std::ptrdiff_t step = direction == SearchBackward ? -1 : 1;
    const auto n = std::ptrdiff_t(t.order.size());
    for (std::ptrdiff_t i = std::ptrdiff_t(c.pos) + skipRecords * step; i >= 0 && i < n; i += step) {
        if (detail::matches(*criterion, column, t.order[std::size_t(i)])) {
            c.goIndex(i);
            return true;
        }
    }
    c.goIndex(step > 0 ? n : -1);
    return false;
}

RecordSet RecordSet::clone() const
{
    Cursor& c = cursor();
    c.rows();
    return RecordSet(c.table);
}

void RecordSet::appendField(const QString& name, DataType type, int definedSize, int precision, int scale)
{
    detail::Table& t = cursor().rows();
    if (t.storedRows > 0)
        throw DbError::badArgument(QStringLiteral("no se pueden añadir campos a un "
                                                  "conjunto con registros"));
    if (name.isEmpty() || t.indexOf(name) >= 0)
        throw DbError::badArgument(QStringLiteral("nombre de campo \"%1\"").arg(name));
    t.addColumn(detail::FieldInfo{name, type, definedSize, precision, scale});
}

void RecordSet::addNew()
{
    Cursor& c = cursor();
    detail::Table& t = c.rows();
    t.appendRow();
    c.version = t.version;
    c.goIndex(std::ptrdiff_t(t.order.size()) - 1);
}

void RecordSet::update()
{
    cursor().currentRow();
}

void RecordSet::deleteCurrent()
{
    Cursor& c = cursor();
    c.currentRow();
    c.table->removeAt(c.pos);
    c.version = c.table->version;
    c.where = Where::Deleted;
}

RecordSet::State RecordSet::state() const
{
    return d_->table ? StateOpen : StateClosed;
}

void RecordSet::close()
{
    d_->table.reset();
}

} // namespace platform::db
