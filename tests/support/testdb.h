#pragma once
// A database of the test cluster for one test suite, copied from the
// template that scripts/test-in-cluster loaded. Administrative statements run
// as the cluster's superuser (PG* variables); the product's own code connects
// as the product role through connectionString().

#include "qtprint.h"

#include <QString>
#include <QStringList>

struct pg_conn;

namespace testsupport {

inline constexpr const char* ProductRole = "duroz";
inline constexpr const char* ProductPassword = "korvast2007";
// The role that owns the house database and everything in it (scripts/db-roles).
inline constexpr const char* OwnerRole = "duroz_dueno";

class TestDatabase {
public:
    // Copies the house template (DUROZ_TEST_TEMPLATE) or, with master = true,
    // the central server's template (DUROZ_TEST_MASTER_TEMPLATE).
    explicit TestDatabase(bool master = false);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const QString& name() const { return name_; }
    static QString host();
    static QString port();

    // The connection-string text (the settings' form) for this database.
    QString connectionString() const;

    // Runs SQL as superuser on this database; throws std::runtime_error on failure.
    void exec(const QString& sql);
    // First column of the first row as text ("" for no row, "NULL" for null).
    QString scalar(const QString& sql);
    // Every row, columns joined by "|".
    QStringList rows(const QString& sql);

    // Pins the server clock of this database ("2026-01-31 23:59:58"); every
    // connection sees it at once. An empty text unpins it.
    void setServerClock(const QString& timestamp);

private:
    pg_conn* admin();
    QString name_;
    pg_conn* admin_ = nullptr;
};

// True when the suite runs inside the test cluster of scripts/test.
bool haveTestCluster();

inline constexpr const char* NeedsTestCluster =
    "needs the test cluster: run scripts/test (a plain ctest run has none)";

} // namespace testsupport

// Fails the current test when there is no test cluster (a plain ctest run):
// a suite that never reached the server must not pass.
#define REQUIRE_TEST_CLUSTER()                                                                               \
    do {                                                                                                     \
        if (!::testsupport::haveTestCluster())                                                               \
            GTEST_FAIL() << ::testsupport::NeedsTestCluster;                                                 \
    } while (0)
