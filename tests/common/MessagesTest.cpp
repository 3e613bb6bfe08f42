#include <gtest/gtest.h>

#include "common/Messages.h"

namespace {

TEST(Messages, SharedTextsAndTitlesAreExact) {
    const std::tuple<Message, const char*, const char*> cases[] = {
        {Messages::cantDivideByZero(), "Can't Divide by Zero!", "Error"},
        {Messages::cantDivideByZeroLower(), "Can't Divide by zero!", "Error"},
        {Messages::cantDivideByZeroLowerBang(), "Can't Divide by zero!", "Error!"},
        {Messages::givenFieldEmpty(QStringLiteral("Z")), "(Z) input box can't be empty!", "Error!"},
        {Messages::cosThetaZero(),
         "Can't use an angle that makes cos(Theta) = 0 (i.e.90,270,450 ... etc)!", "Error!"},
    };
    for (const auto& [message, text, title] : cases) {
        EXPECT_EQ(message.text, QString::fromLatin1(text));
        EXPECT_EQ(message.title, QString::fromLatin1(title));
    }
}

} // namespace
