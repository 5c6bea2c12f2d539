#pragma once
// Result sets with a client cursor, as the windows use them.
//
// A RecordSet is a handle: copies share one cursor (a window and the grid
// bound to it see the same current row). clone() gives a second cursor over
// the same rows: a value changed or a row added or deleted through one shows
// in the other. All rows are on the client: recordCount() is exact.
//
// Cursor rules (those the windows were written against):
// - A set with rows starts on its first row; an empty set has bof() and
//   eof() both true.
// - moveNext() from the last row gives eof(); moveNext() at eof(),
//   movePrevious() at bof(), and any move on an empty set throw
//   NoCurrentRecord (3021).
// - Reading or writing a field, bookmark(), find(), update() and
//   deleteCurrent() need a current row (3021 otherwise).
// - After deleteCurrent() the deleted row stays "current" (bof()/eof()
//   false, fields throw 3021) until the next move; moveNext() then lands on
//   the row after it.
// - Bookmarks are row numbers in arrival order, so a bookmark taken before
//   a re-query finds the same place in the new result.
//
// Record sets the windows build themselves: a default-constructed RecordSet
// is empty and open; appendField() then addNew() / setValue() / update().
// Changes live in memory only: nothing is ever written back to the server.
// Values set on a field are converted to the field's type (texts of amounts
// read with the regional separators); a value that does not convert throws
// WrongType (3421).

#include "platform/db/values.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace platform::db {

namespace detail {
struct Table;
struct Cursor;
} // namespace detail

class RecordSet;

// One column seen at the record set's current row.
class Field {
public:
    QString name() const;
    DataType type() const;
    int definedSize() const; // characters of char/varchar; 0 when unknown
    int precision() const;   // decimal/numeric; 0 when unknown
    int numericScale() const;

    // Value at the current row; a null QVariant for NULL.
    QVariant value() const;
    bool isNull() const;
    void setValue(const QVariant& value);

private:
    friend class RecordSet;
    Field(std::shared_ptr<detail::Cursor> cursor, int column);
    std::shared_ptr<detail::Cursor> cursor_;
    int column_;
};

// A saved position: the row it was taken on.
struct Bookmark {
    qint64 row = -1;
    bool isValid() const { return row >= 0; }
    bool operator==(const Bookmark&) const = default;
};

class RecordSet {
public:
    enum State { StateClosed = 0, StateOpen = 1 };
    enum Position { PosUnknown = -1, PosBof = -2, PosEof = -3 };
    enum SearchDirection { SearchForward = 1, SearchBackward = -1 };

    // A new, empty, open record set without fields.
    RecordSet();

    // --- Fields
    int fieldCount() const;
    // Throws ItemNotFound (3265) for a name or position that does not exist.
    Field field(int index) const;
    Field field(const QString& name) const;    // case-insensitive
    int fieldIndex(const QString& name) const; // -1 when absent
    // Shorthands for field(…).value() / setValue().
    QVariant value(int index) const;
    QVariant value(const QString& name) const;
    void setValue(int index, const QVariant& value);
    void setValue(const QString& name, const QVariant& value);

    // --- Rows and cursor
    int recordCount() const;
    bool bof() const;
    bool eof() const;
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // 1 for the first row … recordCount(); PosBof, PosEof, or PosUnknown on
    // a deleted row.
    int absolutePosition() const;
    void setAbsolutePosition(int position); // 1 … recordCount(), else 3001

    Bookmark bookmark() const;
    // Throws BadArgument (3001) for a bookmark of no row of this set.
    void setBookmark(const Bookmark& bookmark);

    // Searches from the current row (after skipping `skipRecords` rows) for
    // the first row meeting "field op value": op one of = <> < > <= >= LIKE;
    // value a 'quoted text', a number, or #dd/mm/yyyy#; LIKE takes * or %
    // for any run of characters. Texts compare without regard to case or
    // trailing blanks. Found: that row is current and the result is true.
    // Not found: eof() (bof() searching backward) and false.
    bool find(const QString& criteria, int skipRecords = 0, SearchDirection direction = SearchForward);

    // A new cursor on the same rows, standing on their first row.
    RecordSet clone() const;

    // --- Building and editing in memory
    // Only while the set has no rows; BadArgument (3001) otherwise.
    void appendField(const QString& name, DataType type, int definedSize = 0, int precision = 0,
                     int scale = 0);
    // Appends a row of NULLs at the end and makes it current.
    void addNew();
    // Confirms the edits of the current row (they already took effect).
    void update();
    void deleteCurrent();

    // --- Lifetime
    State state() const;
    // Releases this cursor's rows: every use afterwards throws
    // ConnectionClosed (3704). Clones stay open.
    void close();

private:
    friend RecordSet makeRecordSet(std::shared_ptr<detail::Table> table);
    explicit RecordSet(std::shared_ptr<detail::Table> table);
    detail::Cursor& cursor() const;
    std::shared_ptr<detail::Cursor> d_;
};

// Internal: a record set over rows decoded by the connection.
RecordSet makeRecordSet(std::shared_ptr<detail::Table> table);

} // namespace platform::db
