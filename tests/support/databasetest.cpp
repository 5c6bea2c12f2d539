#include "databasetest.h"

namespace testsupport {

void DatabaseTest::SetUp()
{
    ASSERT_TRUE(haveTestCluster()) << NeedsTestCluster;
    db_ = std::make_unique<TestDatabase>();
    siembra(*db_);
    rec_ = std::make_unique<MessageRecorder>();
}

void DatabaseTest::TearDown()
{
    rec_.reset();
}

void DatabaseTest::siembra(TestDatabase&) {}

} // namespace testsupport
