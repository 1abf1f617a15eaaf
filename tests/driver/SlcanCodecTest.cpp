#include "driver/SlcanCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vorelin::driver::slcan;

namespace {

CanFrame frame(uint32_t identifier, std::vector<uint8_t> data, bool extended = false, bool remote = false) {
    CanFrame f;
    f.identifier = identifier;
    f.extended = extended ? 1 : 0;
    f.remote = remote ? 1 : 0;
    f.length = uint8_t(data.size());
    for (std::size_t i = 0; i < data.size() && i < 8; ++i)
        f.data[i] = data[i];
    return f;
}

bool sameFrame(const CanFrame& a, const CanFrame& b) {
    if (a.identifier != b.identifier || a.extended != b.extended || a.remote != b.remote || a.length != b.length)
        return false;
    for (int i = 0; i < (a.remote ? 0 : a.length); ++i) {
        if (a.data[i] != b.data[i])
            return false;
    }
    return true;
}

std::vector<Answer> answersOf(AnswerReader& reader, std::string_view bytes) {
    std::vector<Answer> answers;
    reader.feed(bytes, [&answers](const Answer& answer) { answers.push_back(answer); });
    return answers;
}

}  // namespace

TEST(SlcanCodec, BitRatesTheProtocolKnowsAndNoOthers) {
    EXPECT_EQ(bitrateCommand(10), "S0\r");
    EXPECT_EQ(bitrateCommand(125), "S4\r");
    EXPECT_EQ(bitrateCommand(500), "S6\r");
    EXPECT_EQ(bitrateCommand(1000), "S8\r");
    EXPECT_EQ(bitrateCommand(83), std::nullopt);
    EXPECT_EQ(bitrateCommand(0), std::nullopt);
}

TEST(SlcanCodec, FramesAreWrittenInTheirFourFormsAndReadBack) {
    const struct {
        CanFrame frame;
        const char* command;
    } rows[] = {
        {frame(0x123, {0xAA, 0x0B}), "t1232AA0B\r"},
        {frame(0x7FF, {}), "t7FF0\r"},
        {frame(0x1ABCDEF0, {1, 2, 3, 4, 5, 6, 7, 8}, true), "T1ABCDEF080102030405060708\r"},
        {frame(0x001, {0, 0, 0}, false, true), "r0013\r"},
        {frame(0x1FFFFFFF, {}, true, true), "R1FFFFFFF0\r"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(frameCommand(row.frame), row.command);
        std::string line = row.command;
        line.pop_back();
        const Answer answer = parseAnswer(line);
        ASSERT_EQ(answer.kind, Answer::Kind::frame) << line;
        EXPECT_TRUE(sameFrame(answer.frame, row.frame)) << line;
        EXPECT_EQ(answer.timestampMs, std::nullopt);
    }
}

TEST(SlcanCodec, FramesTheProtocolCannotCarryAreRefused) {
    EXPECT_EQ(frameCommand(frame(0x800, {})), std::nullopt) << "too large for 11 bits";
    EXPECT_EQ(frameCommand(frame(0x20000000, {}, true)), std::nullopt) << "too large for 29 bits";
    CanFrame tooLong = frame(0x100, {});
    tooLong.length = 9;
    EXPECT_EQ(frameCommand(tooLong), std::nullopt);
}

TEST(SlcanCodec, AnswersWithTimeStampsStatusAndAcknowledgements) {
    const Answer stamped = parseAnswer("t1231AAEA5F");
    ASSERT_EQ(stamped.kind, Answer::Kind::frame);
    EXPECT_EQ(stamped.timestampMs, 59999);
    EXPECT_EQ(stamped.frame.data[0], 0xAA);
    EXPECT_EQ(parseAnswer("r12320010").timestampMs, 16) << "a remote frame's stamp follows its length";
    EXPECT_EQ(parseAnswer("t1ab1cd").frame.data[0], 0xCD) << "lower-case digits";

    EXPECT_EQ(parseAnswer("").kind, Answer::Kind::ok);
    EXPECT_EQ(parseAnswer("z").kind, Answer::Kind::transmitted);
    EXPECT_EQ(parseAnswer("Z").kind, Answer::Kind::transmitted);
    const Answer status = parseAnswer("F0C");
    EXPECT_EQ(status.kind, Answer::Kind::status);
    EXPECT_EQ(status.statusFlags, 0x0C);
}

TEST(SlcanCodec, LinesThatBreakTheRulesAreUnreadable) {
    for (const char* line : {
             "t12",         // cut short before the length
             "t1232AA",     // fewer data bytes than the length says
             "t1232AA0B0",  // a stray digit after the data
             "t1239",       // length 9
             "t800",        // 12-bit identifier in a standard frame
             "T200000000",  // 30-bit identifier
             "t12G0",       // not a hex digit
             "t1231AAEA60", // time stamp 60000 ms
             "t1231AA12",   // a time stamp of two digits
             "F1", "F123", "zz", "V1013", "\x01",
         })
        EXPECT_EQ(parseAnswer(line).kind, Answer::Kind::unreadable) << line;
}

TEST(SlcanCodec, AnswersArrivingInPiecesAreKeptUntilTheirEnd) {
    AnswerReader reader;
    EXPECT_TRUE(answersOf(reader, "t12").empty());
    EXPECT_TRUE(answersOf(reader, "32AA").empty());
    std::vector<Answer> answers = answersOf(reader, "0B\r\n\r\at7FF0");
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0].kind, Answer::Kind::frame);
    EXPECT_EQ(answers[0].frame.data[1], 0x0B);
    EXPECT_EQ(answers[1].kind, Answer::Kind::ok) << "the line feed is skipped";
    EXPECT_EQ(answers[2].kind, Answer::Kind::refused);
    answers = answersOf(reader, "\r");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].frame.identifier, 0x7FFu);
}

TEST(SlcanCodec, ALineLongerThanAnyAnswerIsDroppedWholeAndReadingGoesOn) {
    AnswerReader reader;
    const std::string noise(1000, '7');
    std::vector<Answer> answers = answersOf(reader, "t123" + noise);
    EXPECT_TRUE(answers.empty());
    answers = answersOf(reader, noise + "\rt1230\r");
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].kind, Answer::Kind::unreadable);
    EXPECT_EQ(answers[1].kind, Answer::Kind::frame);
    EXPECT_EQ(answers[1].frame.identifier, 0x123u);
}
