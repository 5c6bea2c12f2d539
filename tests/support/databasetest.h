#pragma once
// The fixture of every suite that needs the server: a fresh database copied
// from the template, and every message box recorded. Without the test
// cluster each test FAILS (a plain ctest run must not report success for
// suites that never reached the server).
//
//   class MiSuite : public testsupport::DatabaseTest {
//       void siembra(testsupport::TestDatabase& db) override { db.exec(...); }
//   };
//
// SessionTest (sessiontest.h) adds the program's shared session connected
// to that database, as a login leaves it.

#include "messagerecorder.h"
#include "testdb.h"

#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The rows a suite needs, written into the fresh database before
    // anything connects to it.
    virtual void siembra(TestDatabase& db);

    TestDatabase& db() { return *db_; }
    MessageRecorder& rec() { return *rec_; }

    std::unique_ptr<TestDatabase> db_;
    std::unique_ptr<MessageRecorder> rec_;
};

} // namespace testsupport
