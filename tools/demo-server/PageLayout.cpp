#include "PageLayout.h"

namespace {

const char* const kStyle = R"(
body { margin: 0; background: #f4f6f9; color: #222; font: 14px/1.7 "Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; }
.page { width: 800px; margin: 0 auto; background: #fff; min-height: 100vh; box-sizing: border-box; }
.bar { background: #0077de; color: #fff; padding: 10px 24px; font-size: 15px; }
.bar b { font-size: 17px; margin-right: 12px; }
.content { padding: 16px 24px 24px; }
h1 { font-size: 22px; margin: 8px 0 4px; color: #0a2a4f; }
h2 { font-size: 16px; margin: 18px 0 8px; color: #0a2a4f; border-left: 4px solid #0077de; padding-left: 8px; }
.meta { color: #888; font-size: 12px; border-bottom: 1px dashed #ccc; padding-bottom: 8px; margin-bottom: 12px; }
p { text-indent: 2em; margin: 8px 0; }
table { border-collapse: collapse; width: 100%; margin: 8px 0; }
th { background: #e8f1fb; color: #0a2a4f; font-weight: normal; }
th, td { border: 1px solid #d5dde8; padding: 5px 8px; text-align: center; }
td.left { text-align: left; }
.up { color: #e03030; } .down { color: #1a8f1a; }
.note { color: #666; font-size: 12px; margin-top: 18px; }
.box { border: 1px solid #d5dde8; background: #fafcff; padding: 12px 16px; margin: 12px 0; }
form label { display: inline-block; width: 90px; text-align: right; margin-right: 8px; }
form div { margin: 8px 0; }
input[type=text], input[type=password] { width: 240px; padding: 4px; border: 1px solid #aab; }
button, input[type=submit] { background: #0077de; color: #fff; border: 0; padding: 6px 20px; cursor: pointer; }
a { color: #0059a8; text-decoration: none; } a:hover { text-decoration: underline; }
ul.news li { margin: 4px 0; }
.ok { color: #1a8f1a; font-weight: bold; } .fail { color: #e03030; font-weight: bold; }
.bar-vote { display: inline-block; height: 12px; background: #0077de; vertical-align: middle; }
)";

} // namespace

QByteArray PageLayout::page(const QString& title, const QString& body) {
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n<div class=\"page\">\n"
                          "<div class=\"bar\"><b>Quenra</b>外汇黄金资讯</div>\n<div class=\"content\">\n%3\n"
                          "</div>\n</div>\n</body>\n</html>\n")
        .arg(escaped(title), QString::fromUtf8(kStyle), body)
        .toUtf8();
}
