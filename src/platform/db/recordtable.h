#pragma once
// Internal to the data-access layer: the rows behind record sets. One table
// is shared by a record set and its clones; each of them keeps its own
// cursor over it.
//
// Storage is by column, each column a vector of its own value kind and a
// null flag per row, so a 100,000-row result costs little more than its
// values. Rows have stable ids (their storage index, in arrival order); the
// visible rows are `order`, kept ascending because rows are only appended
// and removed.

#include "platform/db/values.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

namespace platform::db::detail {

struct FieldInfo {
    QString name;
    DataType type = DataType::VarChar;
    int definedSize = 0; // characters of char/varchar; 0 when not known
    int precision = 0;   // decimal/numeric; 0 when not known
    int scale = 0;
};

// The texts of a column. Those that came from the server sit in one buffer,
// each cell a slice of it, so a column of a hundred thousand names costs
// two allocations rather than a hundred thousand; a cell written later
// holds a string of its own. Reading a cell gives a string of its own too.
class Texts {
public:
    using value_type = QString;

    std::size_t size() const { return ends_.size(); }
    void resize(std::size_t rows);
    QString at(std::size_t row) const;
    void set(std::size_t row, const QString& text);
    // Room for that many cells and UTF-16 units (the decoder's way in, with
    // appendUtf8() and appendEmpty()).
    void reserve(std::size_t cells, qsizetype units)
    {
        ends_.reserve(cells);
        buffer_.reserve(units);
    }
    // Appends a decoded cell's UTF-8 to the buffer.
    void appendUtf8(const char* text, int length);
    void appendEmpty() { ends_.push_back(Slice{qsizetype(buffer_.size()), -1}); }

private:
    struct Slice {
        qsizetype end; // where the cell ends in buffer_
        qsizetype own; // index in own_, or -1
    };
    QString buffer_;
    std::vector<Slice> ends_;
    std::vector<QString> own_;
};

class Column {
public:
    using Values = std::variant<std::vector<qint64>, std::vector<double>, std::vector<std::uint8_t>,
                                std::vector<Decimal>, Texts, std::vector<QDate>, std::vector<QTime>,
                                std::vector<QDateTime>>;

    explicit Column(FieldInfo info);

    const FieldInfo& info() const { return info_; }
    QVariant get(std::size_t row) const;
    bool isNull(std::size_t row) const
    {
        decode();
        return nulls_[row] != 0;
    }
    // Stores a value already converted to this column's type (or null).
    void set(std::size_t row, const QVariant& converted);
    void resize(std::size_t rows);

    // Direct access for the result decoder.
    Values& values() { return values_; }
    std::vector<std::uint8_t>& nulls() { return nulls_; }
    // The values arrive later: `decoder` fills values() and nulls() the
    // first time the column is used. A list that shows two columns of fifty
    // never pays for reading the other forty-eight.
    void setPendingDecoder(std::function<void(Column&)> decoder) { pending_ = std::move(decoder); }

private:
    void decode() const
    {
        if (pending_) {
            const auto decoder = std::move(pending_);
            pending_ = nullptr;
            decoder(const_cast<Column&>(*this));
        }
    }

    FieldInfo info_;
    Values values_;
    std::vector<std::uint8_t> nulls_;
    mutable std::function<void(Column&)> pending_;
};

struct Table {
    std::vector<Column> columns;
    std::vector<std::uint32_t> order; // ids of the visible rows, ascending
    std::size_t storedRows = 0;
    std::uint64_t version = 0; // bumped whenever rows come or go

    int indexOf(const QString& name) const; // case-insensitive; -1 when absent
    // Index in `order` of the row, or of the first row after it when it was
    // removed (`found` tells which).
    std::size_t position(std::uint32_t rowId, bool* found) const;
    std::uint32_t appendRow(); // a row of nulls at the end
    void removeAt(std::size_t index);
    void addColumn(FieldInfo info); // only while the table has no rows
    // After the decoder filled `rows` rows into every column.
    void setLoadedRows(std::size_t rows);
};

} // namespace platform::db::detail
