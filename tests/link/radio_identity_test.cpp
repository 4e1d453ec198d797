// The identify reply taken apart, and the identity checks with their messages.

#include <gtest/gtest.h>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "data/model_band.h"
#include "link/radio_identity.h"

namespace {

// "I", 7 model bytes, band, 4 version bytes, options, status, 06.
QByteArray Reply(const QByteArray &model7, uint8_t band, const QByteArray &version4, uint8_t options, uint8_t status)
{
    QByteArray r("I");
    r += model7;
    r += static_cast<char>(band);
    r += version4;
    r += static_cast<char>(options);
    r += static_cast<char>(status);
    r += '\x06';
    return r;
}

QByteArray Own() { return Reply("TORVA6Y", 0, "V101", 0, 0); }

class IdentifyReplyTest : public testenv::AppTest {};

TEST_F(IdentifyReplyTest, FieldsAreTakenByTheirRules)
{
    struct Case {
        QByteArray reply;
        QString model;
        int band;
        QString version;
    };
    const Case cases[] = {
        {Reply(QByteArray("K58TX\xFF\xFF", 7), 5, "V101", 0, 0), "K58TXA", 5, "V101"},
        {Reply(QByteArray("AB\x00" "CD\xFF\xFF", 7), 0x35, QByteArray("V\xFF" "10", 4), 0, 0), "AB", 0x35, "V10"},
        {Reply("TORVA6Y", 0x0D, QByteArray("\x00V1\x00", 4), 0, 0), "TORVA6Y", 0x30, "V1"},
        {Reply("TORVA6Y", 0x45, "V100", 0, 0), "TORVA6Y", 0x30, "V100"},
        {Reply("TORVA6Y", 7, "V101", 0, 0), "TORVA6Y", 7, "V101"},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(ParseIdentifyReply(c.reply)) << c.reply.toHex().constData();
        EXPECT_EQ(State().RadioModelCode, c.model);
        EXPECT_EQ(State().RadioBandCode, c.band);
        EXPECT_EQ(State().RadioBandText, BandRangeText(c.band));
        EXPECT_EQ(State().RadioVersion, c.version);
    }
    EXPECT_TRUE(BandRangeText(0x30).isEmpty()); // the fallback band has no text
}

TEST_F(IdentifyReplyTest, OptionBitsOnlyEverSetTheFeatureFlags)
{
    ASSERT_TRUE(ParseIdentifyReply(Reply("TORVA6Y", 0, "V101", 0xD0, 0)));
    const FeatureFlagsRecord set{1, 1, 1, 1};
    EXPECT_EQ(State().FeatureFlags, set);
    ASSERT_TRUE(ParseIdentifyReply(Reply("TORVA6Y", 0, "V101", 0x00, 0)));
    EXPECT_EQ(State().FeatureFlags, set);

    ResetState();
    ASSERT_TRUE(ParseIdentifyReply(Reply("TORVA6Y", 0, "V101", 0x40, 0)));
    EXPECT_EQ(State().FeatureFlags, (FeatureFlagsRecord{0, 1, 1, 0}));
}

TEST_F(IdentifyReplyTest, StatusBitsAndTheMainWindowUpdates)
{
    int menus = 0, tree = 0;
    Hooks().ShowIdentifyMenus = [&] { ++menus; };
    Hooks().LoadShowTree = [&] { ++tree; };
    ASSERT_TRUE(ParseIdentifyReply(Reply("TORVA6Y", 0, "V101", 0, 0x03)));
    EXPECT_TRUE(State().RadioKilled);
    EXPECT_TRUE(State().RadioStunned);
    ASSERT_TRUE(ParseIdentifyReply(Reply("TORVA6Y", 0, "V101", 0, 0x02)));
    EXPECT_FALSE(State().RadioKilled);
    EXPECT_TRUE(State().RadioStunned);
    EXPECT_EQ(menus, 2);
    EXPECT_EQ(tree, 2);
}

TEST_F(IdentifyReplyTest, OtherShapesAreNotRecognisedAndChangeNothing)
{
    const QByteArray good = Reply("K58TXB\xFF", 3, "V100", 0xFF, 3);
    const QByteArray bad[] = {good + '\x06', good.left(15), good.left(15) + '\x07', QByteArray("J") + good.mid(1)};
    for (const QByteArray &r : bad)
        EXPECT_FALSE(ParseIdentifyReply(r)) << r.toHex().constData();
    EXPECT_EQ(State().RadioModelCode, "TORVA6Y");
    EXPECT_EQ(State().RadioVersion, "V101");
    EXPECT_EQ(State().FeatureFlags, FeatureFlagsRecord{});
    EXPECT_FALSE(State().RadioKilled);

    State().ReplySkip = 1; // with an echoed request byte in front
    EXPECT_TRUE(ParseIdentifyReply(QByteArray("\x02") + good));
    EXPECT_EQ(State().RadioModelCode, "K58TXB");
}

TEST(ModelCodeTest, NormalisedCodesCompare)
{
    EXPECT_EQ(NormaliseModelCode(QStringLiteral("K58TX  ")), "K58TXA");
    EXPECT_EQ(NormaliseModelCode(QString::fromLatin1("TORVA6Y\0 ", 9)), "TORVA6Y");
    EXPECT_TRUE(IsSameModelCode("K58TX", "K58TXA"));
    EXPECT_FALSE(IsSameModelCode("torva6y", "TORVA6Y"));
}

class IdentityCheckTest : public testenv::AppTest {
protected:
    bool Check(LinkOperation op, const QByteArray &reply)
    {
        State().CurOperation = op;
        EXPECT_TRUE(ParseIdentifyReply(reply));
        return CheckRadioIdentity();
    }
    QStringList Messages() const
    {
        QStringList out;
        for (const PromptCall &c : script->messages())
            out << c.text;
        return out;
    }
    static QString Msg(const BilingualText &t) { return InCurrentLanguage(t); }
};

TEST_F(IdentityCheckTest, OwnRadioPassesEveryOperationSilently)
{
    for (LinkOperation op : {OpReadRadio, OpWriteRadio, OpReadInfo})
        EXPECT_TRUE(Check(op, Own()));
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(IdentityCheckTest, OtherModelNamesBothModelsWithAnOkButton)
{
    EXPECT_FALSE(Check(OpReadRadio, Reply("K58TXB\xFF", 0, "V101", 0, 0)));
    ASSERT_EQ(script->messages().size(), 1);
    const PromptCall box = script->messages().first();
    EXPECT_EQ(box.text, Msg(MessageTable().MsgModelWrong) + "\r\nPC is TORVA-6Y\r\nRadio is K58TX");
    EXPECT_EQ(box.style, vbOKOnly);
    EXPECT_EQ(box.title, "TORVA_6Y");
}

TEST_F(IdentityCheckTest, AReadOrInformationReadIgnoresBandKillAndStun)
{
    EXPECT_TRUE(Check(OpReadRadio, Reply("TORVA6Y", 5, "V101", 0, 3)));
    EXPECT_TRUE(Check(OpReadInfo, Reply("TORVA6Y", 0x35, "V101", 0, 1)));
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST_F(IdentityCheckTest, WriteChecksBandThenKillThenStun)
{
    struct Case {
        QByteArray reply;
        QStringList messages;
    };
    const Case cases[] = {
        {Reply("TORVA6Y", 5, "V101", 0, 0), {Msg(MessageTable().MsgBandWrong)}},
        {Reply("TORVA6Y", 0x35, "V101", 0, 0), {Msg(MessageTable().MsgBandWrong)}},
        {Reply("TORVA6Y", 0, "V101", 0, 3), {Msg(MessageTable().MsgRadioKilled)}},
        {Reply("TORVA6Y", 0, "V101", 0, 2), {Msg(MessageTable().MsgRadioStunned)}},
        // Another band and killed: the band message only.
        {Reply("TORVA6Y", 1, "V101", 0, 1), {Msg(MessageTable().MsgBandWrong)}},
        // Another model and another band: both messages, model first.
        {Reply("K58TXB\xFF", 2, "V101", 0, 1),
         {Msg(MessageTable().MsgModelWrong) + "\r\nPC is TORVA-6Y\r\nRadio is K58TX", Msg(MessageTable().MsgBandWrong)}},
    };
    for (const Case &c : cases) {
        script->clear();
        EXPECT_FALSE(Check(OpWriteRadio, c.reply));
        EXPECT_EQ(Messages(), c.messages) << c.reply.toHex().constData();
    }
    const PromptCall band = [&] {
        script->clear();
        Check(OpWriteRadio, Reply("TORVA6Y", 5, "V101", 0, 0));
        return script->messages().first();
    }();
    EXPECT_EQ(band.style, vbOKOnly + vbExclamation);
}

TEST_F(IdentityCheckTest, AnotherVersionPassesWhenPairedOtherwiseOffersTheHandOver)
{
    State().VersionPairTable = {{"V101", "V101"}, {"V101", "V102"}, {"V100", "V095"}};
    EXPECT_TRUE(Check(OpWriteRadio, Reply("TORVA6Y", 0, "V102", 0, 0)));
    EXPECT_TRUE(script->messages().isEmpty());

    script->answer(vbNo);
    EXPECT_FALSE(Check(OpReadRadio, Reply("TORVA6Y", 0, "V095", 0, 0)));
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].style, vbYesNo);
    EXPECT_TRUE(script->messages()[0].text.contains("V0.95"));

    // Yes without an installed matching version: the hand-over says so and this program goes on.
    script->clear();
    script->answer(vbYes);
    EXPECT_FALSE(Check(OpReadRadio, Reply("TORVA6Y", 0, "V090", 0, 0)));
    EXPECT_EQ(Messages().last(), GetLangText(9063));
}

TEST_F(IdentityCheckTest, AHandOverThatCannotStartIsReported)
{
    State().VersionPairTable = {{"V100", "V095"}}; // V100 is not installed beside the test program
    script->answer(vbYes);
    EXPECT_FALSE(Check(OpReadRadio, Reply("TORVA6Y", 0, "V095", 0, 0)));
    EXPECT_EQ(Messages().last(), GetLangText(9063));
}

} // namespace
