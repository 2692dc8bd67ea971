#include "config/ConfigFixture.h"
#include "platform/sys/MessageBox.h"

namespace {

class CalendarStore : public ConfigFixture {
protected:
    void SetUp() override { loadShipped(); }
    void addEvent(int16_t day, const QString& time, const QString& name, const QString& notify = "1") {
        config.AddFXCalendar(day, time, name, "", "", "", QStringLiteral("高"), "", notify);
    }
};

} // namespace

TEST_F(CalendarStore, AddedItemHasItsAttributesInOrderAndTheNameAsText) {
    addEvent(2, "21:30", QStringLiteral("美国 非农就业人数"));
    config.AddFXCalendar(2, "22:00", QStringLiteral("美国 ISM & \"PMI\""), "1.2", "<1.3>", "", QStringLiteral("中"),
                         QStringLiteral("注释"), "0");
    const auto items = config.WeekList(2);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].name(), "Item");
    EXPECT_EQ(items[0].attributeNames(),
              (QStringList{"Time", "Notify", "BeforeValue", "PredictValue", "Result", "Importance", "Comment"}));
    EXPECT_TRUE(boxes().empty());

    // Only after a save, and intact through it.
    EXPECT_FALSE(reload()->isExist("FXCalendar/Week2", "Item"));
    ASSERT_TRUE(config.XMLSave());
    const auto stored = reload()->WeekList(2);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].text(), QStringLiteral("美国 ISM & \"PMI\""));
    EXPECT_EQ(stored[1].attribute("PredictValue"), "<1.3>");
    EXPECT_EQ(stored[1].attribute("Comment"), QStringLiteral("注释"));
}

TEST_F(CalendarStore, ADayWithoutEventsListsNothingAndAMissingDayOrCurrencyNodeIsAFailure) {
    EXPECT_TRUE(config.WeekList(3).empty());
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(config.WeekList(6).empty());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "WeekList Error!");
    EXPECT_EQ(boxes()[0].style, plat::mb::Critical | plat::mb::SystemModal);
    // Adding to it shows the failure titled FXCalendar.
    addEvent(7, "10:00", "E");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].caption, "FXCalendar");
    EXPECT_FALSE(boxes()[1].text.isEmpty());

    // A document without currency pairs lists none, with one box; adding fails quietly.
    load("<?xml version=\"1.0\"?>\n<App><Settings><ZEP/></Settings></App>\n");
    EXPECT_TRUE(config.currencyList().empty());
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_EQ(boxes()[2].text, "currencyList Error!");
    EXPECT_EQ(boxes()[2].style, plat::mb::Critical | plat::mb::SystemModal);
    config.AddQuota("EURUSD", "1");
    EXPECT_EQ(boxes().size(), 3u);
}

TEST_F(CalendarStore, RemovingEmptiesDaysButKeepsTheirAttributes) {
    ASSERT_TRUE(config.SetNodeAttrib("FXCalendar", "DateFrom", "2024/01/08"));
    ASSERT_TRUE(config.SetNodeAttrib("FXCalendar/Week4", "Event", "21:30#x"));
    for (int16_t day = 1; day <= 5; ++day) addEvent(day, "10:00", "E");
    addEvent(4, "11:00", "F");

    config.RemoveWeekFXCalendar(4);
    EXPECT_FALSE(config.isExist("FXCalendar/Week4", "Item"));
    EXPECT_EQ(config.GetNodeAttrib("FXCalendar/Week4", "Event"), "21:30#x");
    EXPECT_TRUE(config.isExist("FXCalendar/Week3", "Item"));

    auto held = config.WeekList(3);
    config.RemoveAllFXCalendar();
    for (int16_t day = 1; day <= 5; ++day) EXPECT_TRUE(config.WeekList(day).empty());
    EXPECT_EQ(config.GetNodeAttrib("FXCalendar", "DateFrom"), "2024/01/08");
    // An item held from before stays readable; changing it no longer reaches the document.
    EXPECT_EQ(held[0].text(), "E");
    EXPECT_TRUE(held[0].setAttribute("Notify", "0"));

    // A day that does not exist is stepped over.
    config.RemoveWeekFXCalendar(9);
    EXPECT_TRUE(boxes().empty());
    ASSERT_TRUE(config.XMLSave());
    EXPECT_TRUE(readFile(path).contains("<Week4 Event=\"21:30#x\"/>"));
}

TEST_F(CalendarStore, CurrencyPairsAreAddedAtTheEndUnlessTheNameIsNoElementName) {
    config.AddQuota("USDCNH", "1");
    config.AddQuota("EUR USD", "1");
    config.AddQuota("", "1");
    config.AddQuota(QStringLiteral("한국"), "1"); // a name gb2312 cannot spell
    config.AddQuota(QStringLiteral("黄金"), "0");
    EXPECT_TRUE(boxes().empty());
    const auto pairs = config.currencyList();
    ASSERT_EQ(pairs.size(), 14u);
    EXPECT_EQ(pairs[12].name(), "USDCNH");
    EXPECT_EQ(pairs[13].name(), QStringLiteral("黄金"));
    EXPECT_EQ(config.GetNodeAttrib(QStringLiteral("Settings/ZEP/currency/黄金"), "Checked"), "0");
    ASSERT_TRUE(config.XMLSave());
    EXPECT_TRUE(readFile(path).contains("        <XAGUSD Checked=\"1\"/>\n        <USDCNH Checked=\"1\"/>\n"));
    EXPECT_EQ(reload()->currencyList().size(), 14u);
}
