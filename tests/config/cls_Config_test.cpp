#include "config/ConfigFixture.h"
#include "platform/sys/MessageBox.h"
#include <QDir>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString kObjectNotSetBox = QStringLiteral("错误:#91 - 对象变量或 With 块变量未设置");
constexpr int kErrorBoxStyle = plat::mb::Critical | plat::mb::SystemModal | plat::mb::Foreground;

// A UTF-8 document with everything a user or an older version may have left in it, in the
// form libxml2 writes.
const QByteArray kUtf8Document =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!-- notes the user keeps -->\n"
    "<App b=\"2\" a=\"1\">\n"
    "  <?editor keep?>\n"
    "  <Settings>\n"
    "    <ZEP>\n"
    "      <Popup staytime=\"5m\" SoundFile=\"\" Checked=\"0\" Extra=\"中文 &amp; &lt;x&gt; &quot;q&quot;\"/>\n"
    "      <Unknown><![CDATA[<raw> & text]]></Unknown>\n"
    "    </ZEP>\n"
    "  </Settings>\n"
    "  <ZEPID>123</ZEPID>\n"
    "  <Deep>\n"
    "    <Deeper><desktopshorcut/></Deeper>\n"
    "  </Deep>\n"
    "  <!-- trailing comment -->\n"
    "</App>\n";

class Config : public ConfigFixture {};

} // namespace

TEST_F(Config, ShippedDocumentCarriesEverySettingTheProgramReads) {
    // Most shipped values show where the installed program uses them: the popup's and the
    // window's in the desktop tests, the reminders' lead in the calendar's end-to-end test.
    loadShipped();
    EXPECT_EQ(config.GetNodeAttrib("Settings/ZEP/FXCalendar", "staytime"), "15s");
    for (int day = 1; day <= 5; ++day)
        EXPECT_TRUE(config.isExistAttrib(QStringLiteral("FXCalendar/Week%1").arg(day), "Event")) << day;
    const QStringList server{"Address",           "PushPort", "LoginPort",  "LoginLocalPort", "IdentityPort",
                             "IdentityLocalPort", "WebSite",  "FileServer", "ProductSite",    "MakerSite"};
    for (const QString& name : server) EXPECT_FALSE(config.GetNodeAttrib("Settings/ZEP/Server", name).isEmpty());

    // Created by the program itself on first run.
    EXPECT_FALSE(config.isExist("", "ZEPID"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Config, ExistenceTestsAndCreationsFailIntoTheLogReadsAndWritesWithAnErrorBoxEach) {
    loadShipped();
    EXPECT_FALSE(config.isExist("Settings/Nowhere", "x"));
    EXPECT_FALSE(config.CreateNode("Settings/Nowhere", "x"));
    EXPECT_FALSE(config.isExistAttrib("Settings/Nowhere", "x"));
    EXPECT_FALSE(config.CreateAttrib("Settings/Nowhere", "x", "1"));
    EXPECT_FALSE(config.CreateNode("", "not a name"));
    EXPECT_FALSE(config.CreateAttrib("Settings/ZEP/Popup", "no good", "1"));
    EXPECT_FALSE(config.isExist("Settings/[", "x"));
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(sim.log.lines().size(), 7);
    for (const QString& line : sim.log.lines()) EXPECT_TRUE(line.startsWith("cls_Config: "));

    // Reads and writes tell the user, taking away a busy cursor.
    sim.desktop.simScreen().setBusyCursor(true);
    EXPECT_EQ(config.GetNodeAttrib("Settings/ZEP/Popup", "Missing"), "");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, kObjectNotSetBox);
    EXPECT_EQ(boxes()[0].style, kErrorBoxStyle);
    EXPECT_EQ(boxes()[0].caption, QStringLiteral("Quenra极速版"));
    EXPECT_FALSE(sim.desktop.simScreen().busyCursor());

    EXPECT_EQ(config.GetNodeText("Settings/Nowhere"), "");
    EXPECT_FALSE(config.SetNodeText("Settings/Nowhere", "x"));
    EXPECT_EQ(config.GetNodeAttrib("Settings/Nowhere", "a"), "");
    // Never adds an attribute.
    EXPECT_FALSE(config.SetNodeAttrib("Settings/ZEP/Popup", "Missing", "1"));
    ASSERT_EQ(boxes().size(), 5u);
    for (const auto& box : boxes()) EXPECT_EQ(box.text, kObjectNotSetBox);
    EXPECT_FALSE(config.isExistAttrib("Settings/ZEP/Popup", "Missing"));

    // A path the document cannot evaluate names the component's failure and the path.
    EXPECT_EQ(config.GetNodeAttrib("Settings/[", "a"), "");
    ASSERT_EQ(boxes().size(), 6u);
    EXPECT_TRUE(boxes().back().text.startsWith(QStringLiteral("错误:#-2147467259 - ")));
    EXPECT_TRUE(boxes().back().text.contains(QStringLiteral("Settings/[")));
}

TEST_F(Config, CreateNodeAppendsEvenWhenTheNameExists) {
    loadShipped();
    ASSERT_TRUE(config.CreateNode("", "ZEPID"));
    ASSERT_TRUE(config.SetNodeText("ZEPID", "4711"));
    ASSERT_TRUE(config.CreateNode("", "ZEPID"));
    EXPECT_EQ(config.GetNodeText("ZEPID"), "4711");
    EXPECT_EQ(config.GetNodeText("ZEPID[2]"), "");
    ASSERT_TRUE(config.CreateNode("", "desktopshorcut"));
    ASSERT_TRUE(config.XMLSave());
    // New nodes are the root's last children, laid out like their siblings.
    EXPECT_TRUE(readFile(path).endsWith("  <ZEPID>4711</ZEPID>\n  <ZEPID/>\n  <desktopshorcut/>\n</App>\n"));
    EXPECT_TRUE(reload()->isExist("", "desktopshorcut"));
}

TEST_F(Config, IsExistFindsAnElementAtAnyDepthAndCreateAttribReplacesInPlaceOrAppends) {
    load(kUtf8Document);
    EXPECT_TRUE(config.isExist("", "desktopshorcut"));
    EXPECT_TRUE(config.isExist("Deep", "desktopshorcut"));
    EXPECT_TRUE(config.isExist("Settings", "Popup"));
    EXPECT_FALSE(config.isExist("Settings/ZEP/Popup", "Popup"));
    EXPECT_FALSE(config.isExist("Settings", "Deep"));
    ASSERT_TRUE(config.CreateAttrib("Settings/ZEP/Popup", "staytime", "20s"));
    ASSERT_TRUE(config.CreateAttrib("Settings/ZEP/Popup", "New", "x"));
    EXPECT_EQ(config.GetNodeAttrib("Settings/ZEP/Popup", "staytime"), "20s");
    ASSERT_TRUE(config.XMLSave());
    EXPECT_TRUE(readFile(path).contains("<Popup staytime=\"20s\" SoundFile=\"\" Checked=\"0\" Extra=\"中文 &amp; "
                                        "&lt;x&gt; &quot;q&quot;\" New=\"x\"/>"));
}

TEST_F(Config, UnchangedDocumentsSaveByteForByte) {
    loadShipped();
    ASSERT_TRUE(config.XMLSave());
    EXPECT_EQ(readFile(path), readFile(shippedConfigPath()));

    load(kUtf8Document);
    ASSERT_TRUE(config.XMLSave());
    EXPECT_EQ(readFile(path), kUtf8Document);
}

TEST_F(Config, ChangedGb2312DocumentStaysGb2312KeepsTextItCannotSpellAndLeavesOutWhatXmlCannotCarry) {
    loadShipped();
    // "镕" exists in code page 936 only; "한" and "€" in neither: written as references.
    const QString value = QStringLiteral("10分钟前 镕 한 € & <\"x\">");
    ASSERT_TRUE(config.SetNodeAttrib("Settings/ZEP/FXCalendar", "NotifyTime", value));
    // Control characters and NUL would leave a file no parser reads again.
    ASSERT_TRUE(config.SetNodeAttrib("Window/ZEP_state", "windstate", QStringLiteral("1\x01\x1F\t2")));
    ASSERT_TRUE(config.CreateNode("", "ZEPID"));
    ASSERT_TRUE(config.SetNodeText("ZEPID", QStringLiteral("12") + QChar(0) + u'3'));
    ASSERT_TRUE(config.XMLSave());
    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"gb2312\"?>\n"));
    EXPECT_TRUE(bytes.contains("\xB7\xD6\xD6\xD3")); // 分钟 in GB2312
    auto again = reload();
    EXPECT_EQ(again->GetNodeAttrib("Settings/ZEP/FXCalendar", "NotifyTime"), value);
    EXPECT_EQ(again->GetNodeAttrib("Window/ZEP_state", "windstate"), "1\t2");
    EXPECT_EQ(again->GetNodeText("ZEPID"), "123");
}

TEST_F(Config, AFileThatCannotBeLoadedIsReportedAndNotSavedOver) {
    QList<QByteArray> lines = readFile(shippedConfigPath()).split('\n');
    lines[11] = "        <USDCAD Checked=1/>"; // line 12
    const QByteArray broken = lines.join('\n');
    EXPECT_FALSE(tryLoad(broken));
    EXPECT_TRUE(config.Error());
    EXPECT_FALSE(config.OK());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, QStringLiteral("AttValue: \" or ' expected\n12"));
    EXPECT_EQ(boxes()[0].style, plat::mb::Critical);
    // Nothing loaded, so nothing can be saved over the user's file.
    EXPECT_FALSE(config.XMLSave());
    EXPECT_EQ(readFile(path), broken);

    // An empty or a missing file is reported too; no file at all is nothing to load or save.
    EXPECT_FALSE(tryLoad(""));
    config.setXmlFile(dir.filePath("absent.xml"));
    EXPECT_FALSE(config.Initialize());
    EXPECT_EQ(boxes().size(), 3u);
    config.setXmlFile("");
    EXPECT_FALSE(config.Initialize());
    EXPECT_TRUE(config.XMLSave());
    EXPECT_EQ(boxes().size(), 3u);
}

TEST_F(Config, SaveThatFailsMidWriteLeavesTheOldFileWhole) {
    loadShipped();
    const QByteArray before = readFile(path);
    ASSERT_TRUE(config.SetNodeAttrib("Settings/ZEP/Popup", "staytime", "5m"));

    // The disk "fills" after 100 bytes of the new file.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved1 = config.XMLSave();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved1);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"ZEP.xml"});
    ASSERT_FALSE(sim.log.lines().isEmpty());
    EXPECT_TRUE(sim.log.lines().last().contains("old file is kept"));
    EXPECT_TRUE(boxes().empty());

    // The change is still in memory and goes out with the next save that can write.
    ASSERT_TRUE(config.XMLSave());
    EXPECT_EQ(reload()->GetNodeAttrib("Settings/ZEP/Popup", "staytime"), "5m");

    // A place that cannot be written at all fails too, and creates nothing.
    config.setXmlFile(dir.filePath("no-such-dir/ZEP.xml"));
    EXPECT_FALSE(config.XMLSave());
    EXPECT_FALSE(QFile::exists(dir.filePath("no-such-dir")));
}

TEST_F(Config, EntitiesReadNoFilesAndCannotExplode) {
    load("<?xml version=\"1.0\"?>\n<!DOCTYPE App [\n<!ENTITY secret SYSTEM \"file:///etc/passwd\">\n]>\n"
         "<App><ZEPID>&secret;</ZEPID></App>\n");
    EXPECT_EQ(config.GetNodeText("ZEPID"), "");

    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE App [\n<!ENTITY l0 \"lollollollol\">\n";
    for (int i = 1; i <= 9; ++i) {
        laughs += QStringLiteral("<!ENTITY l%1 \"").arg(i).toUtf8();
        for (int j = 0; j < 10; ++j) laughs += QStringLiteral("&l%1;").arg(i - 1).toUtf8();
        laughs += "\">\n";
    }
    laughs += "]>\n<App><ZEPID>&l9;</ZEPID></App>\n";
    EXPECT_FALSE(tryLoad(laughs));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].text.startsWith("Detected an entity reference loop"));
}
