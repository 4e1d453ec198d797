// Whole transfers against the simulated radio: read, write and information read, with the frame
// sequence the radio sees.

#include "link/link_commands.h"
#include "link/radio_link.h"
#include "data/lang_text.h"
#include "link_fixture.h"

using namespace linktest;

namespace {

class TransferTest : public LinkTest {};

TEST_F(TransferTest, ReadOfAnEmptyRadioWalksTheFirstPassThenSkipsTheUnusedTables)
{
    script->answer(vbOK); // confirmation
    RunProgressWindow();
    ReadRadioCommand();
    const QStringList frames = Frames();
    ASSERT_GE(frames.size(), 4);
    EXPECT_EQ(frames.mid(0, 3), (QStringList{"PROGRAM", "IDENTIFY", "READ 0040"}));
    EXPECT_EQ(frames.last(), "END");
    EXPECT_EQ(Messages().last(), GetLangText(2004));
    EXPECT_EQ(State().CurOperation, OpIdle);
}

} // namespace
