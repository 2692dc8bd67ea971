// Inline style, checked/disabled, href.
#include "DomTestUtil.h"
#include "platform/dom/StyleDeclaration.h"

using namespace dom;
using domtest::S;

TEST(DomStyle, GetAndSetKeepTheAttributeInSync) {
    auto d = Document::parse(S("<div id=a style='COLOR:red; display : none'></div><div id=b></div>"));
    // Emptying a property of an element without a style changes nothing.
    Element* b = d->getElementById(S("b"));
    b->setStyle(S("display"), QString());
    EXPECT_FALSE(b->hasAttribute(S("style")));
    EXPECT_TRUE(d->takeOps().empty());
    b->setAttribute(S("style"), S("width:280px;background:url(a;b.png)"));
    EXPECT_EQ(b->style(S("width")), S("280px"));
    EXPECT_EQ(b->style(S("background")), S("url(a;b.png)"));
    Element* a = d->getElementById(S("a"));
    EXPECT_EQ(a->style(S("display")), S("none"));
    EXPECT_EQ(a->style(S("color")), S("red"));
    a->setStyle(S("display"), QString());
    EXPECT_EQ(a->getAttribute(S("style")), S("color: red;"));
    a->setStyle(S("background-color"), S("#0077de"));
    a->setStyle(S("height"), S("300px"));
    EXPECT_EQ(a->getAttribute(S("style")), S("color: red; background-color: #0077de; height: 300px;"));
    a->setStyle(S("backgroundColor"), S("#ffffff")); // scripting name
    EXPECT_EQ(a->style(S("background-color")), S("#ffffff"));
    EXPECT_EQ(a->style(S("backgroundColor")), S("#ffffff"));
    a->setStyle(S("color"), QString());
    a->setStyle(S("background-color"), QString());
    a->setStyle(S("height"), QString());
    EXPECT_TRUE(a->hasAttribute(S("style"))); // as a browser: style="" stays
    EXPECT_EQ(a->getAttribute(S("style")), QString());
    EXPECT_EQ(a->outerHTML(), S("<div id=\"a\" style=\"\"></div>"));
}

TEST(DomStyle, DeclarationParsing) {
    const StyleDeclaration s =
        StyleDeclaration::parse(S("color=#66cc00 ; font-size:14px;background-color:#EfEfEf; padding:2px 5px 2px 5px "));
    EXPECT_EQ(s.get(S("color")), QString()); // invalid, dropped
    EXPECT_EQ(s.get(S("font-size")), S("14px"));
    EXPECT_EQ(s.get(S("padding")), S("2px 5px 2px 5px"));
    EXPECT_EQ(StyleDeclaration::propertyName(S("zIndex")), S("z-index"));
    EXPECT_TRUE(StyleDeclaration::saysDisplayNone(S("x:1;DISPLAY: None")));
    EXPECT_FALSE(StyleDeclaration::saysDisplayNone(S("display:block")));
}

TEST(DomForm, CheckedIsAPropertyDisabledAnAttributeRadiosInGroups) {
    auto d = Document::parse(S("<INPUT style='cursor:pointer' type=checkbox id='w_1_chk1' CHECKED >"
                               "<input type=checkbox id=b><input type=radio id='w_2_chk1'  Disabled >"
                               "<input type=radio name=g id=ga checked><input type=radio name=g id=gb>"
                               "<form><input type=radio name=g id=gc checked></form>"));
    Element* a = d->getElementById(S("w_1_chk1"));
    Element* b = d->getElementById(S("b"));
    Element* r = d->getElementById(S("W_2_CHK1"));
    EXPECT_TRUE(a->checked());
    EXPECT_FALSE(b->checked());
    EXPECT_TRUE(r->disabled());
    EXPECT_FALSE(a->disabled());
    a->setChecked(false);
    EXPECT_FALSE(a->checked());
    EXPECT_TRUE(a->hasAttribute(S("checked"))); // the default state stays
    a->setAttribute(S("checked"), S(""));       // dirty: no effect on the property
    EXPECT_FALSE(a->checked());
    b->setAttribute(S("checked"), S("")); // clean: follows the attribute
    EXPECT_TRUE(b->checked());
    r->setDisabled(false);
    EXPECT_FALSE(r->disabled());
    EXPECT_FALSE(r->hasAttribute(S("disabled")));
    r->setDisabled(true);
    EXPECT_EQ(r->outerHTML(), S("<input type=\"radio\" id=\"w_2_chk1\" disabled=\"\">"));
    // Checking a radio button unchecks the others of its group in the same form owner only.
    d->getElementById(S("gb"))->setChecked(true);
    EXPECT_FALSE(d->getElementById(S("ga"))->checked());
    EXPECT_TRUE(d->getElementById(S("gc"))->checked());
}

TEST(DomLink, HrefResolvedAgainstThePage) {
    auto d = Document::parse(S("<a id=a href=''>x</a><a id=b href='http://news.test/x?id=1'>y</a><a id=c>z</a>"));
    d->setUrl(S("res:///opt/quenra/Zavez_ZEP.exe/ruzezaro.htm"));
    EXPECT_EQ(d->getElementById(S("a"))->href(), S("res:///opt/quenra/Zavez_ZEP.exe/ruzezaro.htm"));
    EXPECT_EQ(d->getElementById(S("b"))->href(), S("http://news.test/x?id=1"));
    EXPECT_EQ(d->getElementById(S("c"))->href(), QString());
}
