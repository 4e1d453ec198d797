// The embedded-information window: what an information read brings from the radio, shown from a
// hand-made memory image in both languages; the band list; and the window at the end of a real
// information read against the simulated radio.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractButton>
#include <QPlainTextEdit>

#include "common/bytes.h"
#include "common/captions.h"
#include "data/hooks.h"
#include "data/model_band.h"
#include "editors/editor_hooks.h"
#include "editors/settings/frm_emg.h"
#include "link/link_commands.h"
#include "link/link_fixture.h"
#include "link/memory_image.h"
#include "platform/form_kit.h"

using namespace linktest;
using testenv::Raw;

namespace {

// The information area of a radio: band 0x05, area "AB12", texts with a NUL and junk behind them.
void PutInfo(std::array<uint8_t, kMemoryImageSize> &image)
{
    const auto put = [&image](int address, const QByteArray &bytes) {
        for (int i = 0; i < bytes.size(); ++i)
            image[static_cast<std::size_t>(address + i)] = static_cast<uint8_t>(bytes[i]);
    };
    put(0x0017, Raw("\x05"));
    put(0x0019, "AB12");
    put(0x0020, Raw("SN-0042\0junk"));
    put(0x0030, "2026-01-02");
    put(0x0040, "LOT7");
    put(0x0048, "C9");
    put(0x0050, "2026-03-04");
    put(0x0060, "DEALER 12");
    put(0x0070, "2026-05-06");
    put(0x0080, "2026-07-08");
    put(0x0090, "ANNA");
    put(0x00A0, Raw("Antenna replaced\0xx"));
}

QString BoxText(const QWidget &w, int i)
{
    if (auto *line = FindArrayElement<QLineEdit>(&w, QStringLiteral("Text1"), i))
        return line->text();
    if (auto *plain = FindArrayElement<QPlainTextEdit>(&w, QStringLiteral("Text1"), i))
        return plain->toPlainText();
    return QStringLiteral("<missing>");
}

class FrmEMGTest : public LinkTest {};

TEST_F(FrmEMGTest, ShowsTheInformationOfAHandMadeImage)
{
    State().MemoryImage.fill(0);
    PutInfo(State().MemoryImage);
    UnpackEmbeddedMessage();
    State().EmbeddedInfoBlock.VersionText = "V1.01  ";
    FrmEMG w;
    const QStringList expected{"AB12",  "SN-0042",    "2026-01-02", "2026-03-04", "Antenna replaced", "V1.01  ",
                               "LOT7",  "C9",         "DEALER 12",  "2026-05-06", "2026-07-08",       "ANNA"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(BoxText(w, i), expected[i]) << i;
        EXPECT_FALSE(FindArrayElement<QWidget>(&w, QStringLiteral("Text1"), i)->isEnabled()) << i;
    }
    auto *model = FindArrayElement<QComboBox>(&w, QStringLiteral("Combo1"), 0);
    auto *band = FindArrayElement<QComboBox>(&w, QStringLiteral("Combo1"), 1);
    EXPECT_EQ(model->count(), 1);
    EXPECT_EQ(model->currentText(), "TORVA-6Y");
    EXPECT_EQ(band->count(), 8);
    EXPECT_EQ(band->currentText(), "UHF(400 - 520 MHz) VHF(144 - 146 MHz)");
    EXPECT_FALSE(model->isEnabled());
    EXPECT_FALSE(band->isEnabled());
}

// High nibble x 8 + low nibble; only 0x00..0x07 select their own plan, all else the first.
TEST_F(FrmEMGTest, TheBandCodeSelectsItsPlanOrTheFirst)
{
    const struct {
        int code;
        int item;
    } cases[] = {{0x00, 0}, {0x05, 5}, {0x07, 7}, {0x08, 0}, {0x10, 0}, {0x13, 0}, {0xFF, 0}};
    for (const auto &c : cases) {
        State().EmbeddedInfoBlock.BandCode = static_cast<int16_t>(c.code);
        FrmEMG w;
        EXPECT_EQ(FindArrayElement<QComboBox>(&w, QStringLiteral("Combo1"), 1)->currentText(), BandRangeText(c.item))
            << c.code;
    }
}

TEST_F(FrmEMGTest, CaptionsInBothLanguages)
{
    testenv::ExpectCaptionsInBothLanguages([] { return std::make_unique<FrmEMG>(); }, {QStringLiteral("Label1(7)")});
    const struct {
        int language;
        const char *title, *area, *reason, *reason2, *frame, *close;
    } cases[] = {
        {LangEnglish, "Embedded Message", "Area Code", "Maintained", "Description", "Dealer Information", "&Close"},
        {LangChinese, "嵌入信息", "销售区号", "维修原因", "", "经销商信息", "关闭(&C)"},
    };
    for (const auto &c : cases) {
        State().LanguageIndex = static_cast<int16_t>(c.language);
        FrmEMG w;
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QString::fromUtf8(c.area));
        EXPECT_EQ(FindArrayElement<QLabel>(&w, QStringLiteral("Label1"), 6)->text(), QString::fromUtf8(c.reason));
        EXPECT_EQ(FindArrayElement<QLabel>(&w, QStringLiteral("Label1"), 7)->text(), QString::fromUtf8(c.reason2));
        EXPECT_EQ(w.findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), QString::fromUtf8(c.frame));
        EXPECT_EQ(w.findChild<QAbstractButton *>(QStringLiteral("CommandClose"))->text(), QString::fromUtf8(c.close));
        EXPECT_TRUE(w.findChild<QWidget *>(QStringLiteral("CommandHelp"))->isHidden());
    }
}

TEST_F(FrmEMGTest, AnInformationReadEndsWithTheWindow)
{
    RegisterEditorHooks();
    std::array<uint8_t, kMemoryImageSize> image{};
    for (int i = 0; i < kMemoryImageSize; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<uint8_t>(radio.memory[i]); // no password stays none
    PutInfo(image);
    radio.memory = QByteArray(reinterpret_cast<const char *>(image.data()), kMemoryImageSize);
    QString serial, seller;
    script->onModal([&](QDialog *d) {
        EXPECT_EQ(d->objectName(), "FrmEMG");
        serial = BoxText(*d, 1);
        seller = BoxText(*d, 11);
        return QDialog::Accepted;
    });
    ReadRMGDataFromRadio();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(serial, "SN-0042");
    EXPECT_EQ(seller, "ANNA");
    EXPECT_EQ(script->unscriptedCount(), 0);
}

} // namespace
