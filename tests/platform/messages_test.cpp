#include "messagerecorder.h"
#include "platform/messages.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(MessagesTest, RecorderAnswersFromItsScriptThenWithTheFirstButton)
{
    testsupport::MessageRecorder recorder;
    recorder.answerNext(msg::AnswerNo);
    EXPECT_EQ(msgbox(QStringLiteral("¿Seguro?"), msg::YesNo + msg::Question, QStringLiteral("T")),
              msg::AnswerNo);
    EXPECT_EQ(msgbox(QStringLiteral("¿Otra vez?"), msg::YesNo), msg::AnswerYes);
    EXPECT_EQ(msgbox(QStringLiteral("Listo")), msg::AnswerOk);
    ASSERT_EQ(recorder.boxes().size(), 3);
    EXPECT_EQ(recorder.boxes()[0].style, msg::YesNo + msg::Question);
    EXPECT_EQ(recorder.boxes()[0].title, QStringLiteral("T"));
}

TEST(MessagesTest, EndingTheProgramStopsTheCallerUnderTheRecorder)
{
    testsupport::MessageRecorder recorder;
    bool reachedAfterEnd = false;
    EXPECT_THROW(
        {
            endProgram();
            reachedAfterEnd = true;
        },
        ProgramEnded);
    EXPECT_FALSE(reachedAfterEnd);
    EXPECT_EQ(recorder.programEnds(), 1);
}

TEST(MessagesTest, WithoutAServiceABoxAnswersWithItsDefaultButton)
{
    setMessageBoxService(nullptr);
    EXPECT_EQ(msgbox(QStringLiteral("¿Eliminar?"), 276), msg::AnswerNo);
    EXPECT_EQ(msgbox(QStringLiteral("¿Eliminar?"), 20), msg::AnswerYes);
    EXPECT_EQ(msgbox(QStringLiteral("Listo"), 64), msg::AnswerOk);
}
